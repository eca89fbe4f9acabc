#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Frame accessors the chart's geometry is written with. A frame is a view's rectangle in
// its parent's coordinates; each setter changes only the quantity it names, so setRight
// and setBottom move the frame (keeping its size) rather than stretch it.
namespace RXUIViewCtg {

qreal left(const QRectF &frame);
qreal top(const QRectF &frame);
qreal right(const QRectF &frame);
qreal bottom(const QRectF &frame);
qreal centerX(const QRectF &frame);
qreal centerY(const QRectF &frame);
qreal width(const QRectF &frame);
qreal height(const QRectF &frame);
QPointF origin(const QRectF &frame);
QSizeF size(const QRectF &frame);

void setLeft(QRectF &frame, qreal left);
void setTop(QRectF &frame, qreal top);
void setRight(QRectF &frame, qreal right);
void setBottom(QRectF &frame, qreal bottom);
void setCenterX(QRectF &frame, qreal centerX);
void setCenterY(QRectF &frame, qreal centerY);
void setWidth(QRectF &frame, qreal width);
void setHeight(QRectF &frame, qreal height);
void setOrigin(QRectF &frame, QPointF origin);
void setSize(QRectF &frame, QSizeF size);

} // namespace RXUIViewCtg
