#include "RXCircleDotView.h"

#include "RXUtil.h"

#include <QPainter>

void RXCircleDotView::drawRect(QPainter &painter) const
{
    const qreal w = frame.width();
    const qreal h = frame.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(0, 0, w, h));
    painter.setBrush(RXUtil::colorWithHexString(QStringLiteral("#FF4252")));
    painter.drawEllipse(QRectF(w / 4, h / 4, w / 2, h / 2));
    painter.restore();
}
