#pragma once

#include "RootViewController.h"

namespace Ui {
class JfwjsViewController;
}

// "积分管理": the customer's way into the points account and its gift catalogue.
class JfwjsViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JfwjsViewController)

public:
    explicit JfwjsViewController(QWidget *parent = nullptr);
    ~JfwjsViewController() override;

    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;

private:
    Ui::JfwjsViewController *m_ui;
};
