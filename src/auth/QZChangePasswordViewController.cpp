#include "QZChangePasswordViewController.h"

#include "ui_QZChangePasswordViewController.h"

#include "AuthFormStyle.h"
#include "CredentialChanges.h"
#include "FunctionCodes.h"
#include "SessionStore.h"

QZChangePasswordViewController::QZChangePasswordViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZChangePasswordViewController), m_change(this)
{
    m_ui->setupUi(this);
    AuthFormStyle::apply(this);
}

QZChangePasswordViewController::~QZChangePasswordViewController()
{
    delete m_ui;
}

void QZChangePasswordViewController::initNav()
{
    setTitle(QStringLiteral("账户设置"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZChangePasswordViewController::initUI()
{
    connect(m_ui->confirmButton, &QPushButton::clicked, this,
            &QZChangePasswordViewController::confirm);
    m_change.setButton(m_ui->confirmButton);
}

void QZChangePasswordViewController::confirm()
{
    const QString oldPassword = m_ui->oldPasswordTextField->text();
    const QString password = m_ui->passwordTextField->text();
    const QString confirmation = m_ui->confirmTextField->text();
    if (const auto problem =
            CredentialChanges::checkChangedPassword(oldPassword, password, confirmation)) {
        createUIAlertControllerWithNSString(*problem);
        return;
    }
    const auto params = CredentialChanges::changePasswordParams(
        SessionStore::myDicValue(QStringLiteral("khbh")), oldPassword, confirmation);
    if (!params)
        return; // the cipher failed: nothing can be sent
    m_change.sendAction(
        FunctionCode::ChangePassword, *params,
        [](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
            // "signin" keeps the old password until the customer next signs in by hand.
            CredentialChanges::keepUpdatedCustomer(answer);
            reply.leaveAfterToast(QStringLiteral("密码修改成功"), 1.0);
        },
        OnFailure::silent());
}

void QZChangePasswordViewController::LeftNavigationButtonClick()
{
    goBack();
}
