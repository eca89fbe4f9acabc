#pragma once

#include <QPoint>
#include <functional>

class QWidget;

// Screen transitions. Tests and the automation driver may switch animations off, in which
// case every transition completes at once (still through the event loop's next turn for
// nothing: completion runs synchronously).
namespace Animations {

bool enabled();
void setEnabled(bool enabled);

constexpr int kTransitionMs = 250;

// Moves the widget from one position to another, then runs done.
void slide(QWidget *widget, QPoint from, QPoint to, std::function<void()> done);
// Fades the widget's opacity between the two values, then runs done.
void fade(QWidget *widget, qreal from, qreal to, int ms, std::function<void()> done);

} // namespace Animations
