#pragma once

#include "RootViewController.h"
#include "ServerChange.h"

namespace Ui {
class QZChangeEmailViewController;
}

// "账户设置": the signed-in customer changes the e-mail address ("168002"), confirming it
// with the password; the screen stays and names the new address.
class QZChangeEmailViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZChangeEmailViewController)

public:
    explicit QZChangeEmailViewController(QWidget *parent = nullptr);
    ~QZChangeEmailViewController() override;

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    // "原邮箱地址为…", or no header without an address.
    void showAddress(const QString &yxdz);
    void confirm();

    Ui::QZChangeEmailViewController *m_ui;
    ServerChange m_change;
};
