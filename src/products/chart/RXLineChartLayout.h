#pragma once

#include "ChartViewModel.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

// Where the line chart puts everything, worked out once per series, in the chart's own
// coordinates: the point markers, the line segments, the axis labels and the value rules.
// Qt Core only, so the geometry is tested without a window.
class RXLineChartLayout
{
public:
    static constexpr qreal kDotSize = 15;
    // The segments are drawn in a view that starts this far right of the markers.
    static constexpr qreal kSegmentShift = 30;

    struct Label
    {
        int index = 0; // the point it belongs to
        QString text;
        QRectF frame;
        Qt::Alignment alignment;
    };

    struct Segment
    {
        QPointF startPoint; // in the segment view's coordinates
        QPointF endPoint;
    };

    // The width a label's text takes when drawn.
    using TextWidth = std::function<qreal(const QString &)>;

    RXLineChartLayout() = default;
    // size: the chart's own width and height; screenWidth: the phone screen's width, which
    // places the centre and right date labels and sets the length of the rules. With the
    // texts' widths known, date labels that would touch are moved apart or dropped.
    RXLineChartLayout(const QList<ChartViewModel> &points, QSizeF size, qreal screenWidth,
                      const TextWidth &textWidth = {});

    int count() const { return int(m_values.size()); }
    bool isEmpty() const { return m_values.isEmpty(); }
    QSizeF size() const { return m_size; }
    double value(int index) const { return m_values.at(index); }

    // Marker centres, one per point; the values are single precision.
    const QList<QPointF> &dots() const { return m_dots; }
    static QRectF dotFrame(QPointF center);
    float minimum() const { return m_min; }
    float maximum() const { return m_max; }

    // The frame every segment view has, and the segments drawn in it.
    QRectF segmentFrame() const;
    const QList<Segment> &segments() const { return m_segments; }

    const QList<Label> &dateLabels() const { return m_dateLabels; }
    const QList<Label> &valueLabels() const { return m_valueLabels; }
    const QList<QRectF> &rules() const { return m_rules; }

    // The touch overlay carrying the pan.
    QRectF overlayFrame() const;

    // Indices of the labelled points: the first, the middle and the last. The middle is
    // tested before the last, so with two or three points the last takes the middle place.
    static int middleIndex(int count) { return (count + 1) / 2; }

private:
    void placeDots();
    void placeDateLabels(const QList<ChartViewModel> &points);
    void separateDateLabels(const TextWidth &textWidth);
    void placeValueLabels();

    QSizeF m_size;
    qreal m_screenWidth = 0;
    QList<double> m_values;
    QList<QPointF> m_dots;
    QList<Segment> m_segments;
    QList<Label> m_dateLabels;
    QList<Label> m_valueLabels;
    QList<QRectF> m_rules;
    float m_min = 0;
    float m_max = 0;
};
