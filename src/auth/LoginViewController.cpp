#include "LoginViewController.h"

#include "ui_LoginViewController.h"

#include "BaseNavigationViewController.h"
#include "NotificationCenter.h"
#include "SignInForm.h"
#include "SignInFormView.h"

#include <QPushButton>

LoginViewController::LoginViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::LoginViewController)
{
    m_ui->setupUi(this);
}

LoginViewController::~LoginViewController()
{
    delete m_ui;
}

void LoginViewController::initNav()
{
    setTitle(QStringLiteral("登录"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void LoginViewController::initUI()
{
    m_form = new SignInForm(this, m_ui->formView);
    setMainButton(m_ui->formView->loginButton());
    m_form->prefill();
    connect(m_ui->formView->loginButton(), &QPushButton::clicked, this,
            &LoginViewController::signIn);
    connect(m_ui->formView->registerButton(), &QPushButton::clicked, this, [this]() {
        pushScreenNamed(QStringLiteral("QZRegister1ViewController"),
                        {{QStringLiteral("belongto"), QStringLiteral("登录")}});
    });
    connect(m_ui->formView->forgetButton(), &QPushButton::clicked, this,
            [this]() { pushScreenNamed(QStringLiteral("GetphoneNumberViewController")); });
}

void LoginViewController::textFieldShouldReturn(QLineEdit *field)
{
    signIn();
    RootViewController::textFieldShouldReturn(field);
}

void LoginViewController::signIn()
{
    m_form->submit(3.0, [this]() {
        goBack(); // back to the opener first: the screen is released once it has left
        postNotification(Notification::Hidden);
    });
}

void LoginViewController::LeftNavigationButtonClick()
{
    postNotification(Notification::Hidden);
    goBack();
}
