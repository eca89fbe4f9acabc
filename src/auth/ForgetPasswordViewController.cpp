#include "ForgetPasswordViewController.h"

#include "ui_ForgetPasswordViewController.h"

#include "AuthFormStyle.h"
#include "BaseNavigationViewController.h"
#include "CredentialChanges.h"
#include "FunctionCodes.h"
#include "SmsCodeButton.h"

ForgetPasswordViewController::ForgetPasswordViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::ForgetPasswordViewController), m_reset(this)
{
    m_ui->setupUi(this);
    AuthFormStyle::apply(this);
    m_codeButton = new SmsCodeButton(m_ui->sendCodeButton);
}

ForgetPasswordViewController::~ForgetPasswordViewController()
{
    delete m_ui;
}

void ForgetPasswordViewController::initNav()
{
    setTitle(QStringLiteral("忘记密码"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void ForgetPasswordViewController::initUI()
{
    m_ui->phoneLabel->setText(CredentialChanges::maskedMobile(m_model.sjhm));
    connect(m_ui->sendCodeButton, &QPushButton::clicked, this,
            &ForgetPasswordViewController::sendCode);
    connect(m_ui->confirmButton, &QPushButton::clicked, this,
            &ForgetPasswordViewController::confirm);
    m_reset.setButton(m_ui->confirmButton);
}

void ForgetPasswordViewController::sendCode()
{
    // Unlike registration the wait starts with the request, whatever its answer.
    m_codeButton->startCountdown();
    sendAction(FunctionCode::SendSmsCode, CredentialChanges::recoverySmsParams(m_model),
               [this](const ResponseEnvelope &) { showToast(QStringLiteral("短信已发送"), 1.5); });
}

void ForgetPasswordViewController::confirm()
{
    const QString password = m_ui->passwordTextField->text();
    const QString confirmation = m_ui->confirmTextField->text();
    if (const auto problem = CredentialChanges::checkNewPassword(password, confirmation)) {
        createUIAlertControllerWithNSString(*problem);
        return;
    }
    const auto params =
        CredentialChanges::resetPasswordParams(m_model, confirmation, m_ui->codeTextField->text());
    if (!params)
        return; // the cipher failed: nothing can be sent
    m_reset.sendAction(
        FunctionCode::ResetPassword, *params,
        [](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
            // "signin" keeps what it held: the customer signs in with the new password.
            CredentialChanges::keepUpdatedCustomer(answer);
            reply.leaveAfterToast(QStringLiteral("密码修改成功"), 1.0,
                                  ServerChange::Reply::Leave::ToRoot);
        },
        OnFailure::silent());
}

void ForgetPasswordViewController::LeftNavigationButtonClick()
{
    goBack();
}
