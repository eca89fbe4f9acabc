#include "BaseNavigationViewController.h"

#include "Animations.h"
#include "MemoryRelief.h"
#include "NavigationBar.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"

#include <QResizeEvent>

BaseNavigationViewController::BaseNavigationViewController(ViewController *root, QWidget *parent)
    : ViewController(parent), m_bar(new NavigationBar(this))
{
    if (root) {
        root->setNavigationController(this);
        root->setParent(this);
        m_stack.append(root);
        m_bar->setItem(root->navigationItem());
    }
}

QList<ViewController *> BaseNavigationViewController::viewControllers() const
{
    QList<ViewController *> out;
    for (const auto &c : m_stack) {
        if (c)
            out.append(c);
    }
    return out;
}

ViewController *BaseNavigationViewController::topViewController() const
{
    for (auto it = m_stack.crbegin(); it != m_stack.crend(); ++it) {
        if (*it)
            return *it;
    }
    return nullptr;
}

void BaseNavigationViewController::setNavigationBarHidden(bool hidden)
{
    m_bar->setVisible(!hidden);
    for (ViewController *c : viewControllers())
        c->setGeometry(contentRect());
}

bool BaseNavigationViewController::isNavigationBarHidden() const
{
    return m_bar->isHidden();
}

QRect BaseNavigationViewController::contentRect() const
{
    const int top = m_bar->isHidden() ? 0 : NavigationBar::kHeight;
    return QRect(0, top, width(), std::max(0, height() - top));
}

void BaseNavigationViewController::resizeEvent(QResizeEvent *event)
{
    m_bar->setGeometry(0, 0, event->size().width(), NavigationBar::kHeight);
    for (ViewController *c : viewControllers())
        c->setGeometry(contentRect());
}

void BaseNavigationViewController::pushViewController(ViewController *controller, bool animated)
{
    ViewController *from = topViewController();
    if (from)
        NotificationCenter::defaultCenter()->postNotificationName(Notification::Hidden, this);
    controller->setNavigationController(this);
    controller->setParent(this);
    controller->setGeometry(contentRect());
    m_stack.append(controller);
    transition(from, controller, true, animated, {});
}

ViewController *BaseNavigationViewController::popViewControllerAnimated(bool animated)
{
    const QList<ViewController *> stack = viewControllers();
    if (stack.size() < 2)
        return nullptr;
    popToViewController(stack.at(stack.size() - 2), animated);
    return stack.last();
}

void BaseNavigationViewController::popToRootViewControllerAnimated(bool animated)
{
    const QList<ViewController *> stack = viewControllers();
    if (!stack.isEmpty())
        popToViewController(stack.first(), animated);
}

void BaseNavigationViewController::popToViewController(ViewController *controller, bool animated)
{
    const QList<ViewController *> stack = viewControllers();
    const int index = int(stack.indexOf(controller));
    if (index < 0 || index == stack.size() - 1)
        return;
    ViewController *from = stack.last();
    const QList<ViewController *> released = stack.mid(index + 1);
    m_stack.clear();
    for (ViewController *c : stack.mid(0, index + 1))
        m_stack.append(c);
    transition(from, controller, false, animated, released);
    if (index == 0)
        emit returnedToRoot();
}

void BaseNavigationViewController::transition(ViewController *from, ViewController *to,
                                              bool forward, bool animated,
                                              QList<ViewController *> released)
{
    const bool live = isAppeared();
    to->loadViewIfNeeded();
    to->setGeometry(contentRect());
    to->show();
    if (forward)
        to->raise();
    else if (from)
        from->raise();
    m_bar->setItem(to->navigationItem());
    if (live) {
        if (from)
            from->beginDisappearance(animated);
        to->beginAppearance(animated);
    }
    const QRect r = contentRect();
    QWidget *moving = forward ? static_cast<QWidget *>(to) : from;
    const QPoint start = forward ? QPoint(r.width(), r.top()) : r.topLeft();
    const QPoint end = forward ? r.topLeft() : QPoint(r.width(), r.top());
    QPointer<ViewController> fromGuard(from);
    QPointer<ViewController> toGuard(to);
    QList<QPointer<ViewController>> releasedGuards(released.begin(), released.end());
    auto finish = [fromGuard, toGuard, live, animated, releasedGuards]() {
        if (fromGuard && fromGuard != toGuard) {
            fromGuard->hide();
            if (live)
                fromGuard->endDisappearance(animated);
        }
        if (toGuard && live)
            toGuard->endAppearance(animated);
        for (const auto &c : releasedGuards) {
            if (c)
                MemoryRelief::release(c);
        }
    };
    if (!moving || !animated || !live) {
        if (moving)
            moving->move(end);
        finish();
    } else {
        Animations::slide(moving, start, end, finish);
    }
}
