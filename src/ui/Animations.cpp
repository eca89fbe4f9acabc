#include "Animations.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QWidget>

namespace Animations {
namespace {
bool g_enabled = true;
}

bool enabled()
{
    return g_enabled;
}

void setEnabled(bool enabled)
{
    g_enabled = enabled;
}

void slide(QWidget *widget, QPoint from, QPoint to, std::function<void()> done)
{
    if (!g_enabled) {
        widget->move(to);
        if (done)
            done();
        return;
    }
    widget->move(from);
    auto *animation = new QPropertyAnimation(widget, "pos", widget);
    animation->setDuration(kTransitionMs);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    QObject::connect(animation, &QPropertyAnimation::finished, widget, [done]() {
        if (done)
            done();
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void fade(QWidget *widget, qreal from, qreal to, int ms, std::function<void()> done)
{
    if (!g_enabled || ms <= 0) {
        if (done)
            done();
        return;
    }
    auto *effect = new QGraphicsOpacityEffect(widget);
    effect->setOpacity(from);
    widget->setGraphicsEffect(effect);
    auto *animation = new QPropertyAnimation(effect, "opacity", widget);
    animation->setDuration(ms);
    animation->setStartValue(from);
    animation->setEndValue(to);
    QObject::connect(animation, &QPropertyAnimation::finished, widget, [widget, done]() {
        widget->setGraphicsEffect(nullptr);
        if (done)
            done();
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace Animations
