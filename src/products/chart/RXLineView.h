#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

// One segment of the chart's line, with the space above and below it filled. The chart
// draws its segments itself rather than as one widget each: a two-year series would
// otherwise stack some 700 overlapping full-size widgets, all repainted on every touch.
class RXLineView
{
public:
    QRectF frame;       // in the chart's coordinates
    QPointF startPoint; // in the segment's own coordinates
    QPointF endPoint;
    QColor topSpaceColor;
    QColor bottomSpaceColor;
    QColor lineColor;
    float lineWidth = 1;

    // Draws in the segment's own coordinates (the painter's origin at the frame's corner).
    void drawRect(QPainter &painter) const;
};
