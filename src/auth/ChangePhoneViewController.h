#pragma once

#include "RootViewController.h"
#include "ServerChange.h"

namespace Ui {
class ChangePhoneViewController;
}

// "修改手机号码": the signed-in customer changes the mobile number ("166015"). A code must
// be typed, though none is sent or checked: the send-code button has no action.
class ChangePhoneViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChangePhoneViewController)

public:
    explicit ChangePhoneViewController(QWidget *parent = nullptr);
    ~ChangePhoneViewController() override;

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void confirm();

    Ui::ChangePhoneViewController *m_ui;
    ServerChange m_change;
};
