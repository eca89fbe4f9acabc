#include "GetphoneNumberViewController.h"

#include "ui_GetphoneNumberViewController.h"

#include "AuthFormStyle.h"
#include "BaseNavigationViewController.h"
#include "ChangePassModel.h"
#include "CredentialChanges.h"
#include "DocumentTypePicker.h"
#include "ForgetPasswordViewController.h"
#include "FunctionCodes.h"

GetphoneNumberViewController::GetphoneNumberViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::GetphoneNumberViewController), m_find(this)
{
    m_ui->setupUi(this);
    AuthFormStyle::apply(this);
}

GetphoneNumberViewController::~GetphoneNumberViewController()
{
    delete m_ui;
}

void GetphoneNumberViewController::initNav()
{
    setTitle(QStringLiteral("忘记密码"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void GetphoneNumberViewController::initUI()
{
    m_typePicker = new DocumentTypePicker(this, m_ui->typeButton, m_ui->typeLabel);
    connect(m_ui->nextButton, &QPushButton::clicked, this, &GetphoneNumberViewController::next);
    m_find.setButton(m_ui->nextButton);
}

void GetphoneNumberViewController::next()
{
    const QString number = m_ui->numberTextField->text();
    if (const auto problem = CredentialChanges::checkRecoveryNumber(number)) {
        createUIAlertControllerWithNSString(*problem);
        return;
    }
    m_find.sendAction(FunctionCode::FindCustomerForRecovery,
                      CredentialChanges::findCustomerParams(m_typePicker->typeName(), number),
                      [](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
                          auto *self = reply.screen<GetphoneNumberViewController>();
                          if (!self)
                              return;
                          const auto customers = answer.recordsAs<ChangePassModel>();
                          if (customers.isEmpty()) {
                              // Nobody to send a code to.
                              self->createUIAlertControllerWithNSString(
                                  OnFailure::refusal(answer.prompt()));
                              return;
                          }
                          auto *second = new ForgetPasswordViewController;
                          second->setModel(customers.first());
                          self->navigationController()->pushViewController(second, true);
                      });
}

void GetphoneNumberViewController::LeftNavigationButtonClick()
{
    goBack();
}
