#include "SignInForm.h"

#include "DocumentTypePicker.h"
#include "FunctionCodes.h"
#include "IdentityDocumentTypes.h"
#include "RootViewController.h"
#include "SignInFormView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SignInForm::SignInForm(RootViewController *screen, SignInFormView *view)
    : QObject(screen), m_screen(screen),
      m_typePicker(new DocumentTypePicker(screen, view->typeButton(), view->typeLabel())),
      m_numberField(view->numberTextField()), m_passwordField(view->passwordTextField()),
      m_signIn(screen)
{
    m_numberField->setMaxLength(kNumberMaxLength);
    m_passwordField->setEchoMode(QLineEdit::Password);
    m_signIn.setButton(view->loginButton());
}

void SignInForm::prefill()
{
    const auto saved = SessionStore::savedSignIn();
    const QString type =
        saved && !saved->type.isEmpty() ? saved->type : IdentityDocumentTypes::idCard().name;
    m_typePicker->show(type);
    m_numberField->setText(saved ? saved->numberID : QString());
    m_passwordField->setText(saved ? saved->password : QString());
}

void SignInForm::pickType()
{
    m_typePicker->pick();
}

int SignInForm::typeIndex() const
{
    return m_typePicker->typeIndex();
}

void SignInForm::submit(double welcomeSeconds, std::function<void()> signedIn)
{
    const QString typeName = m_typePicker->typeName();
    const QString number = m_numberField->text();
    const QString password = m_passwordField->text();
    if (const auto problem = SignIn::checkForm(typeName, number)) {
        m_screen->createUIAlertControllerWithNSString(*problem);
        return;
    }
    const int index = typeIndex();
    const QString zjlx =
        index >= 0 ? IdentityDocumentTypes::pickerTypes().at(index).code : QString();
    const auto params = SignIn::params(zjlx, number, password);
    if (!params)
        return;                      // the cipher failed: nothing can be sent
    QPointer<SignInForm> self(this); // gone with its screen
    m_signIn.send(FunctionCode::SignIn, *params,
                  [=](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
                      const SignIn::Result result = SignIn::resultOf(answer);
                      if (result.outcome != SignIn::Result::Outcome::SignedIn) {
                          reply.showAlert(result.prompt);
                          return;
                      }
                      SignIn::storeFormSignIn(result.customer, typeName, number, password);
                      reply.showToast(QStringLiteral("登录成功"), welcomeSeconds);
                      if (self)
                          signedIn();
                  });
}
