#pragma once

#include "ViewController.h"

#include <QList>
#include <QPointer>

class BaseNavigationViewController;
class TabbarView;

// The five-slot shell: home, products, the round call button, company news and
// account. Each content slot is a navigation stack that lives as long as the shell.
class TabbarViewController : public ViewController
{
    Q_OBJECT

public:
    // The content slots' roots (slots 0, 1, 3 and 4), each put in its own navigation stack.
    TabbarViewController(const QList<ViewController *> &roots, QWidget *parent = nullptr);

    void touchBtnAtIndex(int slot);
    int selectedSlot() const { return m_selected; }
    BaseNavigationViewController *navigationForSlot(int slot) const;
    TabbarView *tabbarView() const { return m_bar; }
    bool isTabBarHidden() const;

    void onClickPro() { touchBtnAtIndex(1); }
    void onClickInfo() { touchBtnAtIndex(3); }
    void onClickLogin() { touchBtnAtIndex(4); }
    // The call alert, and dialling the hotline.
    void teleyuyueClcik();
    void phoneAlert();

protected:
    ViewController *visibleChild() const override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutBar();

    TabbarView *m_bar;
    QList<QPointer<BaseNavigationViewController>> m_stacks; // index = slot; slot 2 stays empty
    int m_selected = -1;
};
