#include "QZRegister1ViewController.h"

#include "ui_QZRegister1ViewController.h"

#include "AuthFormStyle.h"
#include "BaseNavigationViewController.h"
#include "DocumentTypePicker.h"
#include "FunctionCodes.h"
#include "NotificationCenter.h"
#include "QZRegister2ViewController.h"
#include "Registration.h"
#include "SmsCodeButton.h"

QZRegister1ViewController::QZRegister1ViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZRegister1ViewController), m_check(this),
      m_codeRequest(this)
{
    m_ui->setupUi(this);
    AuthFormStyle::apply(this);
    m_codeButton = new SmsCodeButton(m_ui->sendCodeButton);
}

QZRegister1ViewController::~QZRegister1ViewController()
{
    delete m_ui;
}

void QZRegister1ViewController::initNav()
{
    setTitle(QStringLiteral("注册"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZRegister1ViewController::initUI()
{
    m_typePicker = new DocumentTypePicker(this, m_ui->typeButton, m_ui->typeLabel);
    connect(m_ui->sendCodeButton, &QPushButton::clicked, this,
            &QZRegister1ViewController::sendCode);
    connect(m_ui->nextButton, &QPushButton::clicked, this, &QZRegister1ViewController::next);
    m_check.setButton(m_ui->nextButton);
    m_codeRequest.setButton(m_ui->sendCodeButton);
}

void QZRegister1ViewController::sendCode()
{
    const QString mobile = m_ui->phoneTextField->text();
    if (const auto problem = Registration::checkMobile(mobile)) {
        createUIAlertControllerWithNSString(*problem);
        return;
    }
    m_codeRequest.sendAction(
        FunctionCode::SendSmsCode,
        Registration::smsCodeParams(mobile, Registration::SmsPurpose::Registration),
        [](const ServerChange::Reply &reply, const ResponseEnvelope &) {
            auto *self = reply.screen<QZRegister1ViewController>();
            if (!self)
                return;
            self->m_codeButton->startCountdown();
            self->showToast(QStringLiteral("短信已发送"), 1.5);
            ++self->m_codesRequested;
        });
}

void QZRegister1ViewController::next()
{
    const Registration::Applicant applicant{
        m_ui->nameTextField->text(), m_typePicker->typeName(), m_ui->numberTextField->text(),
        m_ui->phoneTextField->text(), m_ui->codeTextField->text()};
    if (const auto problem = Registration::checkApplicant(applicant, m_codesRequested)) {
        createUIAlertControllerWithNSString(*problem);
        return;
    }
    m_check.send(FunctionCode::CheckRegistration, Registration::checkParams(applicant),
                 [applicant](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
                     auto *self = reply.screen<QZRegister1ViewController>();
                     if (!self)
                         return;
                     // A refused check is told in a toast; the customer corrects the form.
                     if (!answer.succeeded()) {
                         self->showToast(OnFailure::refusal(answer.prompt()), 1.5);
                         return;
                     }
                     auto *second = new QZRegister2ViewController;
                     second->setApplicant(applicant);
                     self->navigationController()->pushViewController(second, true);
                 });
}

void QZRegister1ViewController::LeftNavigationButtonClick()
{
    // Opened from the sign-in screen the tab bar stays hidden behind it.
    goBack(m_belongto == QStringLiteral("登录") ? QString() : Notification::Appearance);
}
