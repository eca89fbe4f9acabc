#pragma once

#include "RootViewController.h"

namespace Ui {
class LoginViewController;
}
class SignInForm;

// "登录": signs a customer in with a document type, number and password, then goes back
// to the screen that opened it.
class LoginViewController : public RootViewController
{
    Q_OBJECT

public:
    explicit LoginViewController(QWidget *parent = nullptr);
    ~LoginViewController() override;

    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;
    void textFieldShouldReturn(QLineEdit *field) override;

private:
    void signIn();

    Ui::LoginViewController *m_ui;
    SignInForm *m_form = nullptr;
};
