#include "QZRegister3ViewController.h"

#include "ui_QZRegister3ViewController.h"

#include "AuthFormStyle.h"
#include "BaseNavigationViewController.h"
#include "NotificationCenter.h"

QZRegister3ViewController::QZRegister3ViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZRegister3ViewController)
{
    m_ui->setupUi(this);
    AuthFormStyle::apply(this);
}

QZRegister3ViewController::~QZRegister3ViewController()
{
    delete m_ui;
}

void QZRegister3ViewController::initNav()
{
    setTitle(QStringLiteral("注册"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZRegister3ViewController::initUI()
{
    connect(m_ui->accountButton, &QPushButton::clicked, this, [this]() {
        // Popped screens are released only once the pop has finished.
        navigationController()->popToRootViewControllerAnimated(true);
        postNotification(Notification::Change4);
    });
    connect(m_ui->productButton, &QPushButton::clicked, this, [this]() {
        postNotification(Notification::Change1);
        postNotification(Notification::Appearance);
        navigationController()->popToRootViewControllerAnimated(true);
    });
}

void QZRegister3ViewController::LeftNavigationButtonClick()
{
    goBack();
}
