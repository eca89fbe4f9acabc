#include "ViewController.h"

#include "Animations.h"
#include "BaseNavigationViewController.h"
#include "MemoryRelief.h"
#include "NavigationItem.h"
#include "PhoneWindow.h"

ViewController::ViewController(QWidget *parent)
    : QWidget(parent), m_navigationItem(new NavigationItem(this))
{
}

ViewController::~ViewController() = default;

void ViewController::loadViewIfNeeded()
{
    if (m_viewLoaded)
        return;
    m_viewLoaded = true;
    viewDidLoad();
}

void ViewController::setTitle(const QString &title)
{
    m_navigationItem->setTitle(title);
}

QString ViewController::title() const
{
    return m_navigationItem->title();
}

BaseNavigationViewController *ViewController::navigationController() const
{
    return m_navigationController;
}

void ViewController::setNavigationController(BaseNavigationViewController *controller)
{
    m_navigationController = controller;
}

void ViewController::beginAppearance(bool animated)
{
    loadViewIfNeeded();
    ++m_appearances;
    viewWillAppear(animated);
    if (ViewController *child = visibleChild())
        child->beginAppearance(animated);
}

void ViewController::endAppearance(bool animated)
{
    m_appeared = true;
    viewDidAppear(animated);
    if (ViewController *child = visibleChild())
        child->endAppearance(animated);
}

void ViewController::beginDisappearance(bool animated)
{
    viewWillDisappear(animated);
    if (ViewController *child = visibleChild())
        child->beginDisappearance(animated);
}

void ViewController::endDisappearance(bool animated)
{
    m_appeared = false;
    viewDidDisappear(animated);
    if (ViewController *child = visibleChild())
        child->endDisappearance(animated);
}

void ViewController::presentViewController(ViewController *controller, bool animated,
                                           std::function<void()> completion)
{
    QWidget *host = PhoneWindow::contentHostFor(this);
    controller->m_presenting = this;
    m_presented = controller;
    controller->setParent(host);
    controller->setGeometry(host->rect());
    controller->loadViewIfNeeded();
    controller->show();
    controller->raise();
    beginDisappearance(animated);
    controller->beginAppearance(animated);
    const QPoint below(0, host->height());
    QPointer<ViewController> self(this);
    Animations::slide(controller, below, QPoint(0, 0), [self, controller, animated, completion]() {
        if (self)
            self->endDisappearance(animated);
        controller->endAppearance(animated);
        if (completion)
            completion();
    });
}

void ViewController::dismissViewControllerAnimated(bool animated, std::function<void()> completion)
{
    // Like the phone: asking the presented screen to dismiss asks its presenter.
    ViewController *presenter = m_presented ? this : m_presenting.data();
    if (!presenter || !presenter->m_presented) {
        if (completion)
            completion();
        return;
    }
    ViewController *presented = presenter->m_presented;
    presenter->m_presented = nullptr;
    presented->beginDisappearance(animated);
    presenter->beginAppearance(animated);
    const QPoint below(0, presented->height());
    QPointer<ViewController> keep(presenter);
    Animations::slide(presented, presented->pos(), below,
                      [keep, presented, animated, completion]() {
                          presented->endDisappearance(animated);
                          presented->hide();
                          MemoryRelief::release(presented);
                          if (keep)
                              keep->endAppearance(animated);
                          if (completion)
                              completion();
                      });
}
