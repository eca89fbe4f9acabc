#pragma once

#include "RootViewController.h"
#include "modelForProd.h"

namespace Ui {
class QZHomePageViewController;
}
class AdvertisingColumn;
class QPushButton;
class QTimer;

// "澄岚信托", the first tab: the advertising carousel, nine function buttons, the help
// centre on the left of the bar and the sign-in state on its right. On loading it opens the
// start-up gesture lock when a gesture is stored.
class QZHomePageViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZHomePageViewController)

public:
    explicit QZHomePageViewController(QWidget *parent = nullptr);
    ~QZHomePageViewController() override;

    AdvertisingColumn *headerView() const { return m_headerView; }
    // The securities trusts fetched ahead; nothing of them is shown here.
    const QList<modelForProd> &datajzArray() const { return m_datajzArray; }
    // How long after appearing the carousel starts: three seconds unless a test shortens it.
    void setCarouselDelay(int milliseconds);

    void btnClick(int tag);
    void LeftNavigationButtonClick() override;
    void RightNavigationButtonClick() override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    // Forgets "loginInStatus"; says whether the account screen is to open.
    bool loginIn();
    void initDatajz();
    void openGestureLock();
    void refreshSignInButton();
    void openCarouselEntry(const QString &link, const QString &target);
    void pauseCarousel();
    void resumeCarousel();

    Ui::QZHomePageViewController *m_ui;
    AdvertisingColumn *m_headerView = nullptr;
    QPushButton *m_leftButton = nullptr; // the sign-in state, on the right of the bar
    QTimer *m_carouselStart;
    QList<modelForProd> m_datajzArray;
};
