#include "RXLineChartLayout.h"

#include "TextValue.h"

#include <algorithm>

namespace {

constexpr qreal kLabelHeight = 30;
constexpr qreal kValueLabelWidth = 100;
constexpr qreal kValueLabelLeft = -10;

// Which of the labelled places point `index` of `count` takes, if any.
enum class Place
{
    None,
    First,
    Middle,
    Last
};

Place placeOf(int index, int count)
{
    if (index == 0)
        return Place::First;
    if (index == RXLineChartLayout::middleIndex(count))
        return Place::Middle;
    if (index == count - 1)
        return Place::Last;
    return Place::None;
}

// The points that get labels, each once: the first, the middle and the last. Only these get a
// label at all (every other point's label would be hidden or empty).
QList<int> labelledIndices(int count)
{
    QList<int> indices;
    for (int i : {0, RXLineChartLayout::middleIndex(count), count - 1}) {
        if (i >= 0 && i < count && !indices.contains(i))
            indices.append(i);
    }
    return indices;
}

} // namespace

RXLineChartLayout::RXLineChartLayout(const QList<ChartViewModel> &points, QSizeF size,
                                     qreal screenWidth, const TextWidth &textWidth)
    : m_size(size), m_screenWidth(screenWidth)
{
    m_values.reserve(points.size());
    for (const ChartViewModel &point : points)
        m_values.append(point.nav);
    if (m_values.isEmpty())
        return;
    placeDots();
    placeDateLabels(points);
    if (textWidth)
        separateDateLabels(textWidth);
    placeValueLabels();
}

QRectF RXLineChartLayout::dotFrame(QPointF center)
{
    return QRectF(center.x() - kDotSize / 2, center.y() - kDotSize / 2, kDotSize, kDotSize);
}

QRectF RXLineChartLayout::segmentFrame() const
{
    return QRectF(kSegmentShift, 0, m_size.width() - kSegmentShift, m_size.height() - 10);
}

QRectF RXLineChartLayout::overlayFrame() const
{
    return QRectF(10, 10, m_size.width(), m_size.height());
}

void RXLineChartLayout::placeDots()
{
    // Single precision throughout, as the scale was always computed; the extremes start
    // from the values the scale always started from (so a series below zero tops out at 0).
    float min = 2147483647.0f;
    float max = 0.0f;
    for (double value : std::as_const(m_values)) {
        min = std::min(min, float(value));
        max = std::max(max, float(value));
    }
    m_min = min;
    m_max = max;
    if (max == min)
        max += 0.001f; // a flat series lies on the bottom line
    const float width = float(m_size.width());
    const float height = float(m_size.height());
    const int n = count();
    m_dots.reserve(n);
    for (int i = 0; i < n; ++i) {
        // One point has no spacing to speak of: it stands in the middle of the markers' span,
        // where a touch anywhere finds it and reads it out.
        const float x = n > 1 ? float(i) * (width - 30) / float(n - 1) : (width - 30) / 2;
        const float y =
            (height - 80) - (float(m_values.at(i)) - min) / ((max - min) / (height - 80)) + 50;
        m_dots.append(QPointF(x, y));
    }
    m_segments.reserve(std::max(0, n - 1));
    for (int j = 0; j + 1 < n; ++j)
        m_segments.append(Segment{m_dots.at(j), m_dots.at(j + 1)});
}

void RXLineChartLayout::placeDateLabels(const QList<ChartViewModel> &points)
{
    const qreal width = m_size.width() / 3;
    const qreal top = m_size.height() - 10 - kLabelHeight / 2;
    const int n = count();
    for (int i : labelledIndices(n)) {
        Label label{i, points.at(i).introduction, QRectF(0, top, width, kLabelHeight),
                    Qt::AlignVCenter};
        switch (placeOf(i, n)) {
        case Place::First:
            label.frame.moveLeft(20);
            label.alignment |= Qt::AlignLeft;
            break;
        case Place::Middle:
            label.frame.moveLeft(m_screenWidth * 0.5 - width / 2);
            label.alignment |= Qt::AlignHCenter;
            break;
        case Place::Last:
            label.frame.moveLeft(m_screenWidth - 30 - width);
            label.alignment |= Qt::AlignRight;
            break;
        case Place::None:
            continue;
        }
        m_dateLabels.append(label);
    }
}

void RXLineChartLayout::separateDateLabels(const TextWidth &textWidth)
{
    constexpr qreal kGap = 6;
    // Each label shrinks to its text where its alignment puts it.
    for (Label &label : m_dateLabels) {
        const qreal w = textWidth(label.text);
        qreal left = label.frame.left();
        if (label.alignment & Qt::AlignHCenter)
            left = label.frame.center().x() - w / 2;
        else if (label.alignment & Qt::AlignRight)
            left = label.frame.right() - w;
        label.frame = QRectF(left, label.frame.top(), w, label.frame.height());
        label.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    }
    const auto clash = [](const Label &a, const Label &b) {
        return a.frame.right() + kGap > b.frame.left();
    };
    // The middle one moves clear of the first, and goes when the last leaves it no room;
    // the first and the last stay, since they bound the span shown.
    if (m_dateLabels.size() == 3) {
        Label &middle = m_dateLabels[1];
        if (clash(m_dateLabels.at(0), middle))
            middle.frame.moveLeft(m_dateLabels.at(0).frame.right() + kGap);
        if (clash(middle, m_dateLabels.at(2)))
            m_dateLabels.removeAt(1);
    }
    if (m_dateLabels.size() == 2 && clash(m_dateLabels.at(0), m_dateLabels.at(1)))
        m_dateLabels.removeLast();
}

void RXLineChartLayout::placeValueLabels()
{
    // The extremes in double precision, found in one pass.
    const auto [lowest, highest] = std::minmax_element(m_values.cbegin(), m_values.cend());
    const double vmax = *highest;
    const double vmin = *lowest;
    const qreal height = m_size.height();
    const int n = count();
    for (int i : labelledIndices(n)) {
        qreal top = 0;
        qreal ruleY = 0;
        double value = 0;
        switch (placeOf(i, n)) {
        case Place::First:
            top = 35, ruleY = 50, value = vmax;
            break;
        case Place::Middle:
            top = height * 0.5 - 10, ruleY = height * 0.5 + 5, value = (vmin + vmax) * 0.5;
            break;
        case Place::Last:
            top = height - 50, ruleY = height - 30, value = vmin;
            break;
        case Place::None:
            continue;
        }
        m_valueLabels.append(Label{i, TextValue::format("%.3f", value),
                                   QRectF(kValueLabelLeft, top, kValueLabelWidth, kLabelHeight),
                                   Qt::AlignLeft | Qt::AlignVCenter});
        m_rules.append(QRectF(30, ruleY, m_screenWidth, 1));
    }
}
