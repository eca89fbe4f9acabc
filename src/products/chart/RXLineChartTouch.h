#pragma once

#include "RXLineChartLayout.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

// The phases of a pan across the chart.
enum class RXPanState
{
    Began,
    Changed,
    Ended
};

// The chart's touch read-out, event by event: the marker the touch line snaps to, the
// value bubble's text and place, and the indices the delegate hears about. Qt Core only;
// the widget measures texts and animates what this decides.
class RXLineChartTouch
{
public:
    // The size the bubble needs to show a text (measured with the bubble's font).
    using FitSize = std::function<QSizeF(const QString &text)>;

    struct Step
    {
        int index = -1;                 // the marker the touch line snapped to; -1: nothing to show
        QString text;                   // the bubble's text
        QRectF touchLine;               // the touch line's frame
        QRectF bubbleFrom;              // the bubble's frame now
        QRectF bubbleTo;                // and after a 0.2 s glide, when it differs
        std::optional<qint32> touched;  // report didTouchAreaWithIndex
        std::optional<qint32> released; // report didReleaseAreaWithIndex
    };

    RXLineChartTouch() = default;
    explicit RXLineChartTouch(const RXLineChartLayout &layout);

    // One event of the pan at `x` in chart coordinates.
    Step handlePan(RXPanState state, qreal x, const FitSize &fit);

    qint32 curChoosedTag() const { return m_curChoosedTag; }
    QRectF bubbleFrame() const { return m_bubble; }

    // The marker whose centre is closest to the touch line's left edge. The best squared
    // distance is kept as a whole number and only a strictly smaller one wins, so on a tie
    // (or within the truncated fraction) the earlier point wins. -1 when none is nearer
    // than 2147483647.
    static int closestDotFromVerticalLine(const QList<QPointF> &centers, qreal lineLeft);
    // "%.2f" and four spaces, which widen the bubble.
    static QString bubbleText(double nav);

private:
    QRectF bubbleTarget(int index, QRectF bubble) const;

    QList<QPointF> m_dots;
    QList<double> m_values;
    qreal m_height = 0;
    QRectF m_bubble; // the bubble's frame, as last placed (an empty label has no size)
    qint32 m_curChoosedTag = -1;
};
