#include "CoverImageLabel.h"

#include <QPainter>

CoverImageLabel::CoverImageLabel(QWidget *parent) : QLabel(parent) {}

void CoverImageLabel::paintEvent(QPaintEvent *event)
{
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF source = picture.deviceIndependentSize();
    const QSizeF shown = source.scaled(size(), Qt::KeepAspectRatioByExpanding);
    const QRectF target((width() - shown.width()) / 2, (height() - shown.height()) / 2,
                        shown.width(), shown.height());
    p.drawPixmap(target, picture, QRectF(QPointF(0, 0), picture.size()));
}
