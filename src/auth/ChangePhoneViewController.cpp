#include "ChangePhoneViewController.h"

#include "ui_ChangePhoneViewController.h"

#include "AuthFormStyle.h"
#include "CredentialChanges.h"
#include "FunctionCodes.h"
#include "SessionStore.h"

ChangePhoneViewController::ChangePhoneViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::ChangePhoneViewController), m_change(this)
{
    m_ui->setupUi(this);
    AuthFormStyle::apply(this);
}

ChangePhoneViewController::~ChangePhoneViewController()
{
    delete m_ui;
}

void ChangePhoneViewController::initNav()
{
    setTitle(QStringLiteral("修改手机号码"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void ChangePhoneViewController::initUI()
{
    connect(m_ui->confirmButton, &QPushButton::clicked, this, &ChangePhoneViewController::confirm);
    m_change.setButton(m_ui->confirmButton);
}

void ChangePhoneViewController::confirm()
{
    const QString mobile = m_ui->phoneTextField->text();
    if (const auto problem =
            CredentialChanges::checkMobileChange(mobile, m_ui->codeTextField->text())) {
        createUIAlertControllerWithNSString(*problem);
        return;
    }
    m_change.sendAction(
        FunctionCode::ChangeMobile,
        CredentialChanges::changeMobileParams(SessionStore::currentCustomer().khbh, mobile),
        [](const ServerChange::Reply &reply, const ResponseEnvelope &) {
            reply.leaveAfterToast(QStringLiteral("手机号码修改成功"), 1.0);
        });
}

void ChangePhoneViewController::LeftNavigationButtonClick()
{
    goBack();
}
