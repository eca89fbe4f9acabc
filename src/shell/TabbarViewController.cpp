#include "TabbarViewController.h"

#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "NotificationCenter.h"
#include "TabbarView.h"
#include "Telephone.h"

#include <QPushButton>
#include <QResizeEvent>

namespace {
constexpr int kCallSlot = 2;
constexpr int kContentSlots[] = {0, 1, 3, 4};
} // namespace

TabbarViewController::TabbarViewController(const QList<ViewController *> &roots, QWidget *parent)
    : ViewController(parent), m_bar(new TabbarView(this))
{
    setObjectName(QStringLiteral("tabbarViewController"));
    m_stacks.resize(5);
    for (int i = 0; i < 4 && i < roots.size(); ++i) {
        auto *stack = new BaseNavigationViewController(roots.at(i), this);
        stack->hide();
        // Whatever the screen that hid it posts on the way back, a tab root has its bar.
        connect(stack, &BaseNavigationViewController::returnedToRoot, this, [this, stack]() {
            if (stack == navigationForSlot(m_selected)) {
                m_bar->show();
                m_bar->raise();
            }
        });
        m_stacks[kContentSlots[i]] = stack;
    }
    connect(m_bar, &TabbarView::slotTapped, this, &TabbarViewController::touchBtnAtIndex);
    connect(m_bar, &TabbarView::callTapped, this, &TabbarViewController::teleyuyueClcik);

    auto *center = NotificationCenter::defaultCenter();
    center->addObserver(this, Notification::Hidden, [this](QObject *) { m_bar->hide(); });
    center->addObserver(this, Notification::Appearance, [this](QObject *) {
        m_bar->show();
        m_bar->raise();
    });
    center->addObserver(this, Notification::Change1, [this](QObject *) { onClickPro(); });
    center->addObserver(this, Notification::Change3, [this](QObject *) { onClickInfo(); });
    center->addObserver(this, Notification::Change4, [this](QObject *) { onClickLogin(); });
    touchBtnAtIndex(0);
}

BaseNavigationViewController *TabbarViewController::navigationForSlot(int slot) const
{
    return slot >= 0 && slot < m_stacks.size() ? m_stacks.at(slot).data() : nullptr;
}

bool TabbarViewController::isTabBarHidden() const
{
    return m_bar->isHidden();
}

ViewController *TabbarViewController::visibleChild() const
{
    return navigationForSlot(m_selected);
}

void TabbarViewController::touchBtnAtIndex(int slot)
{
    // The middle slot is the call button, never a selected tab.
    BaseNavigationViewController *next = slot == kCallSlot ? nullptr : navigationForSlot(slot);
    if (!next || slot == m_selected)
        return;
    BaseNavigationViewController *previous = navigationForSlot(m_selected);
    const bool live = isAppeared();
    if (previous && live)
        previous->beginDisappearance(false);
    m_selected = slot;
    m_bar->selectSlot(slot);
    next->setGeometry(rect());
    next->show();
    next->lower();
    if (live)
        next->beginAppearance(false);
    if (previous) {
        previous->hide();
        if (live)
            previous->endDisappearance(false);
    }
    if (live)
        next->endAppearance(false);
    m_bar->raise();
}

void TabbarViewController::teleyuyueClcik()
{
    Telephone::askToCallHotline(
        this, QStringLiteral("立即拨打%1进行业务咨询").arg(AppConfig::hotlineDisplay()));
}

void TabbarViewController::phoneAlert()
{
    Telephone::callHotline(this);
}

void TabbarViewController::resizeEvent(QResizeEvent *)
{
    if (BaseNavigationViewController *current = navigationForSlot(m_selected))
        current->setGeometry(rect());
    layoutBar();
}

void TabbarViewController::layoutBar()
{
    const int h = TabbarView::kHeight + TabbarView::kCircleRise;
    m_bar->setGeometry(0, height() - h, width(), h);
    m_bar->raise();
}
