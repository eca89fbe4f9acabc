#include "LoginViewController.h"

#include "ui_LoginViewController.h"

#include "BaseNavigationViewController.h"
#include "NotificationCenter.h"
#include "ScreenRegistry.h"
#include "SignInForm.h"

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
    m_form = new SignInForm(this, m_ui->typeButton, m_ui->typeLabel, m_ui->numberTextField,
                            m_ui->passwordTextField);
    m_form->prefill();
    connect(m_ui->loginButton, &QPushButton::clicked, this, &LoginViewController::signIn);
    connect(m_ui->registerButton, &QPushButton::clicked, this, [this]() {
        openByName(QStringLiteral("QZRegister1ViewController"),
                   {{QStringLiteral("belongto"), QStringLiteral("登录")}});
    });
    connect(m_ui->forgetButton, &QPushButton::clicked, this,
            [this]() { openByName(QStringLiteral("GetphoneNumberViewController"), {}); });
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

void LoginViewController::openByName(const QString &className, const QJsonObject &properties)
{
    QString error;
    ViewController *screen = ScreenRegistry::instance().create(className, properties, &error);
    if (!screen) {
        // Registration and recovery arrive with their own screens.
        showToast(QStringLiteral("即将开放"), 1.5);
        return;
    }
    navigationController()->pushViewController(screen, true);
}
