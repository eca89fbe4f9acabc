#include "SignInFormView.h"

#include "ui_SignInFormView.h"

SignInFormView::SignInFormView(QWidget *parent) : QWidget(parent), m_ui(new Ui::SignInFormView)
{
    m_ui->setupUi(this);
    m_ui->numberTextField->setAccessibleName(QStringLiteral("证件号码"));
    m_ui->passwordTextField->setAccessibleName(QStringLiteral("登录密码"));
    m_ui->typeButton->setAccessibleName(QStringLiteral("证件类型"));
}

SignInFormView::~SignInFormView()
{
    delete m_ui;
}

QPushButton *SignInFormView::typeButton() const
{
    return m_ui->typeButton;
}

QLabel *SignInFormView::typeLabel() const
{
    return m_ui->typeLabel;
}

QLineEdit *SignInFormView::numberTextField() const
{
    return m_ui->numberTextField;
}

QLineEdit *SignInFormView::passwordTextField() const
{
    return m_ui->passwordTextField;
}

QPushButton *SignInFormView::loginButton() const
{
    return m_ui->loginButton;
}

QPushButton *SignInFormView::registerButton() const
{
    return m_ui->registerButton;
}

QPushButton *SignInFormView::forgetButton() const
{
    return m_ui->forgetButton;
}
