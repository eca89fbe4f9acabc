#include "RXLineView.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

void RXLineView::drawRect(QPainter &painter) const
{
    // The fills' outer corners stand on whole points (halves away from zero), so that
    // neighbouring segments' fills meet without a hairline between them.
    const qreal startX = std::round(startPoint.x());
    const qreal endX = std::round(endPoint.x());
    const qreal height = frame.height();

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(topSpaceColor);
    painter.drawPolygon(QPolygonF{startPoint, endPoint, QPointF(endX, 0), QPointF(startX, 0)});
    painter.setBrush(bottomSpaceColor);
    painter.drawPolygon(
        QPolygonF{startPoint, endPoint, QPointF(endX, height), QPointF(startX, height)});

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(lineColor, lineWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(startPoint, endPoint);
    painter.restore();
}
