#include "KineticScrolling.h"

#include <QAbstractScrollArea>
#include <QScroller>
#include <QScrollerProperties>

namespace KineticScrolling {

void enable(QAbstractScrollArea *area)
{
    QWidget *viewport = area->viewport();
    QScroller::grabGesture(viewport, QScroller::LeftMouseButtonGesture);
    QScrollerProperties properties = QScroller::scroller(viewport)->scrollerProperties();
    // Only vertical motion, no rubber band sideways, and taps pass at once.
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    properties.setScrollMetric(QScrollerProperties::MousePressEventDelay, 0.0);
    QScroller::scroller(viewport)->setScrollerProperties(properties);
}

} // namespace KineticScrolling
