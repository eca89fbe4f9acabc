#pragma once

#include "RootViewController.h"

namespace Ui {
class QZGuideViewController;
}

// The user guide page; its "jump" link opens registration.
class QZGuideViewController : public RootViewController
{
    Q_OBJECT

public:
    explicit QZGuideViewController(QWidget *parent = nullptr);
    ~QZGuideViewController() override;

    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;

private:
    bool followLink(const QUrl &url);

    Ui::QZGuideViewController *m_ui;
};
