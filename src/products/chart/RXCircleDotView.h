#pragma once

#include <QRectF>

class QPainter;

// A point's marker: a white disc with a red one of half its size in the middle. The chart
// keeps one per point, hidden; the touch read-out snaps to them.
class RXCircleDotView
{
public:
    QRectF frame; // in the chart's coordinates
    int tag = 0;  // the point's index
    bool hidden = true;

    // Draws in the marker's own coordinates.
    void drawRect(QPainter &painter) const;
};
