#include "QZChangeEmailViewController.h"

#include "ui_QZChangeEmailViewController.h"

#include "AuthFormStyle.h"
#include "CredentialChanges.h"
#include "FunctionCodes.h"
#include "SessionStore.h"

QZChangeEmailViewController::QZChangeEmailViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZChangeEmailViewController), m_change(this)
{
    m_ui->setupUi(this);
    AuthFormStyle::apply(this);
}

QZChangeEmailViewController::~QZChangeEmailViewController()
{
    delete m_ui;
}

void QZChangeEmailViewController::initNav()
{
    setTitle(QStringLiteral("账户设置"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZChangeEmailViewController::initUI()
{
    showAddress(SessionStore::myDicValue(QStringLiteral("yxdz")));
    connect(m_ui->confirmButton, &QPushButton::clicked, this,
            &QZChangeEmailViewController::confirm);
    m_change.setButton(m_ui->confirmButton);
}

void QZChangeEmailViewController::showAddress(const QString &yxdz)
{
    const auto header = CredentialChanges::emailHeader(yxdz);
    m_ui->emailLabel->setText(header.value_or(QString()));
    m_ui->headerView->setVisible(header.has_value());
}

void QZChangeEmailViewController::confirm()
{
    const QString address = m_ui->emailTextField->text();
    const QString password = m_ui->passwordTextField->text();
    // The password is checked here against the stored copy, before anything is sent.
    if (const auto problem = CredentialChanges::checkEmailChange(
            address, password, SessionStore::myDicValue(QStringLiteral("khmm")))) {
        createUIAlertControllerWithNSString(*problem);
        return;
    }
    m_change.sendAction(FunctionCode::ChangeEmail,
                        CredentialChanges::changeEmailParams(SessionStore::currentCustomer().khbh,
                                                             password, address),
                        [](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
                            reply.showToast(QStringLiteral("邮箱修改成功"), 0.25);
                            const auto customer = CredentialChanges::keepUpdatedCustomer(answer);
                            auto *screen = reply.screen<QZChangeEmailViewController>();
                            if (customer && screen)
                                screen->showAddress(customer->yxdz);
                        });
}

void QZChangeEmailViewController::LeftNavigationButtonClick()
{
    goBack();
}
