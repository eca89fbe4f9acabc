#pragma once

#include <QRectF>

// Where the circles of the pad and of the preview go. Both grids share one formula: the
// circle of index i (0 to 8) sits in column i mod 3 and row i div 3, with half a spacing
// before the first column and row. Sizes follow the screen width so the pad keeps its
// proportions on every phone.
namespace CircleLayout {

constexpr int kCircleCount = 9;

// The pad is a square inset 30 points from both screen edges.
qreal padSide(qreal screenWidth);
qreal padCircleSide(qreal screenWidth);
qreal padSpacing(qreal padWidth, qreal screenWidth);

qreal infoCircleSide(qreal screenWidth);
// The preview's side: 36 points on the 320-point design, growing with the screen as its
// circles do, so that they never spill out of it.
qreal infoViewSide(qreal screenWidth);
qreal infoSpacing(qreal viewWidth, qreal screenWidth);

QRectF circleFrame(int index, qreal side, qreal spacing);

// Whether the point lies in the rectangle, the right and bottom edges excluded, so a point
// on the line between two frames belongs to one of them only.
bool contains(const QRectF &rect, const QPointF &point);

} // namespace CircleLayout
