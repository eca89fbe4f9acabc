#include "DelayedPop.h"

#include "BaseNavigationViewController.h"

#include <QPointer>
#include <QTimer>

namespace DelayedPop {

void schedule(ViewController *screen, int milliseconds)
{
    if (!screen)
        return;
    QPointer<ViewController> guard(screen);
    QTimer::singleShot(milliseconds, screen, [guard]() {
        BaseNavigationViewController *nav = guard ? guard->navigationController() : nullptr;
        if (nav && nav->topViewController() == guard)
            nav->popViewControllerAnimated(true);
    });
}

} // namespace DelayedPop
