#pragma once

#include "RootViewController.h"
#include "ServerChange.h"

namespace Ui {
class QZChangePasswordViewController;
}

// "账户设置": the signed-in customer changes the password ("168003").
class QZChangePasswordViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZChangePasswordViewController)

public:
    explicit QZChangePasswordViewController(QWidget *parent = nullptr);
    ~QZChangePasswordViewController() override;

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void confirm();

    Ui::QZChangePasswordViewController *m_ui;
    ServerChange m_change;
};
