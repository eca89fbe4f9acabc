#pragma once

#include "CircleTypes.h"

#include <QRectF>

// One point of the grid as the pad's logic sees it; the widget that draws it mirrors these
// fields. A new circle is in state 0, which draws like normal.
struct GestureCircle
{
    int tag = 0;  // 1 to 9 in row-major order once laid out
    QRectF frame; // in the pad's coordinates
    CircleState state = CircleState{0};
    CircleType type = CircleType::Gesture;
    bool arrow = false;
    double angle = 0; // radians; turns the drawing so its triangle points to the next circle

    QPointF center() const { return frame.center(); }
};
