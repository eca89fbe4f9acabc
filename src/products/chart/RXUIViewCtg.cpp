#include "RXUIViewCtg.h"

namespace RXUIViewCtg {

qreal left(const QRectF &frame)
{
    return frame.x();
}

qreal top(const QRectF &frame)
{
    return frame.y();
}

qreal right(const QRectF &frame)
{
    return frame.x() + frame.width();
}

qreal bottom(const QRectF &frame)
{
    return frame.y() + frame.height();
}

qreal centerX(const QRectF &frame)
{
    return frame.x() + frame.width() / 2;
}

qreal centerY(const QRectF &frame)
{
    return frame.y() + frame.height() / 2;
}

qreal width(const QRectF &frame)
{
    return frame.width();
}

qreal height(const QRectF &frame)
{
    return frame.height();
}

QPointF origin(const QRectF &frame)
{
    return frame.topLeft();
}

QSizeF size(const QRectF &frame)
{
    return frame.size();
}

void setLeft(QRectF &frame, qreal left)
{
    frame.moveLeft(left);
}

void setTop(QRectF &frame, qreal top)
{
    frame.moveTop(top);
}

void setRight(QRectF &frame, qreal right)
{
    frame.moveLeft(right - frame.width());
}

void setBottom(QRectF &frame, qreal bottom)
{
    frame.moveTop(bottom - frame.height());
}

void setCenterX(QRectF &frame, qreal centerX)
{
    frame.moveLeft(centerX - frame.width() / 2);
}

void setCenterY(QRectF &frame, qreal centerY)
{
    frame.moveTop(centerY - frame.height() / 2);
}

void setWidth(QRectF &frame, qreal width)
{
    frame.setWidth(width);
}

void setHeight(QRectF &frame, qreal height)
{
    frame.setHeight(height);
}

void setOrigin(QRectF &frame, QPointF origin)
{
    frame.moveTopLeft(origin);
}

void setSize(QRectF &frame, QSizeF size)
{
    frame.setSize(size);
}

} // namespace RXUIViewCtg
