#pragma once

#include "ViewController.h"

#include <QList>
#include <QPointer>

class NavigationBar;

// A navigation stack with the client's bar look. Every push onto a stack that already
// holds a screen posts "hidden" so the tab bar goes away; popped screens are released.
class BaseNavigationViewController : public ViewController
{
    Q_OBJECT

public:
    explicit BaseNavigationViewController(ViewController *root, QWidget *parent = nullptr);

    void pushViewController(ViewController *controller, bool animated);
    ViewController *popViewControllerAnimated(bool animated);
    void popToRootViewControllerAnimated(bool animated);
    void popToViewController(ViewController *controller, bool animated);

    QList<ViewController *> viewControllers() const;
    ViewController *topViewController() const;

    NavigationBar *navigationBar() const { return m_bar; }
    void setNavigationBarHidden(bool hidden);
    bool isNavigationBarHidden() const;

signals:
    // A pop has brought the first screen of the stack back to the top.
    void returnedToRoot();

protected:
    ViewController *visibleChild() const override { return topViewController(); }
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect contentRect() const;
    // Shows `to` in place of `from`, running both screens' life cycles; the screens in
    // `released` are deleted once the transition has finished.
    void transition(ViewController *from, ViewController *to, bool forward, bool animated,
                    QList<ViewController *> released);

    NavigationBar *m_bar;
    QList<QPointer<ViewController>> m_stack;
};
