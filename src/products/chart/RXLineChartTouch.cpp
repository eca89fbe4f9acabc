#include "RXLineChartTouch.h"

#include "RXUIViewCtg.h"
#include "TextValue.h"

using namespace RXUIViewCtg;

RXLineChartTouch::RXLineChartTouch(const RXLineChartLayout &layout)
    : m_dots(layout.dots()), m_height(layout.size().height())
{
    m_values.reserve(layout.count());
    for (int i = 0; i < layout.count(); ++i)
        m_values.append(layout.value(i));
}

int RXLineChartTouch::closestDotFromVerticalLine(const QList<QPointF> &centers, qreal lineLeft)
{
    qint64 best = 2147483647;
    int closest = -1;
    for (int i = 0; i < centers.size(); ++i) {
        const qreal distance = centers.at(i).x() - lineLeft;
        const qreal squared = distance * distance;
        if (squared < qreal(best)) {
            best = qint64(squared);
            closest = i;
        }
    }
    return closest;
}

QString RXLineChartTouch::bubbleText(double nav)
{
    return TextValue::format("%.2f    ", nav);
}

RXLineChartTouch::Step RXLineChartTouch::handlePan(RXPanState state, qreal x, const FitSize &fit)
{
    Step step;
    step.touchLine = QRectF(x, 0, 1, m_height);
    step.index = closestDotFromVerticalLine(m_dots, x);
    if (step.index < 0)
        return step;
    const QRectF dot = RXLineChartLayout::dotFrame(m_dots.at(step.index));
    if (state == RXPanState::Began) {
        setCenterX(m_bubble, left(dot) - 50);
        setBottom(m_bubble, top(dot) + 50);
    }
    step.text = bubbleText(m_values.at(step.index));
    setSize(m_bubble, fit(step.text)); // sized to its text, from where it stands
    step.bubbleFrom = m_bubble;
    if (step.index != m_curChoosedTag) {
        m_bubble = bubbleTarget(step.index, m_bubble);
        step.touched = step.index;
        m_curChoosedTag = step.index;
    }
    step.bubbleTo = m_bubble;
    if (state == RXPanState::Ended)
        step.released = step.index;
    return step;
}

QRectF RXLineChartTouch::bubbleTarget(int index, QRectF bubble) const
{
    const QRectF dot = RXLineChartLayout::dotFrame(m_dots.at(index));
    setTop(bubble, top(dot) - 30);
    // Kept inside the chart at both ends: right of the first point, left of the last.
    if (index == 0)
        setLeft(bubble, left(dot) + 10);
    else if (index == m_dots.size() - 1)
        setRight(bubble, left(dot) - 10);
    else
        setCenterX(bubble, centerX(dot));
    return bubble;
}
