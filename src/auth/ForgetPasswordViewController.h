#pragma once

#include "ChangePassModel.h"
#include "RootViewController.h"
#include "ServerChange.h"

namespace Ui {
class ForgetPasswordViewController;
}
class SmsCodeButton;

// "忘记密码", second step: a code sent to the customer's mobile number ("168006") and a
// new password ("168007"); the customer is not signed in by it.
class ForgetPasswordViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForgetPasswordViewController)
    // The customer the first step found.
    Q_PROPERTY(ChangePassModel model READ model WRITE setModel)

public:
    explicit ForgetPasswordViewController(QWidget *parent = nullptr);
    ~ForgetPasswordViewController() override;

    ChangePassModel model() const { return m_model; }
    void setModel(const ChangePassModel &model) { m_model = model; }

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void sendCode();
    void confirm();

    Ui::ForgetPasswordViewController *m_ui;
    SmsCodeButton *m_codeButton;
    ChangePassModel m_model;
    ServerChange m_reset;
};
