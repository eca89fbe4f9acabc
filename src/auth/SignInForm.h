#pragma once

#include "ServerChange.h"
#include "SignIn.h"

#include <QObject>
#include <QPointer>
#include <functional>

class DocumentTypePicker;
class SignInFormView;
class QLineEdit;
class RootViewController;

// The sign-in form's behaviour, shared by the sign-in screen and the account tab's form:
// prefilling from the stored sign-in, the type picker, the number's length, the checks,
// sending "168000" and storing what a success keeps. Each screen lays out its own
// widgets and decides what follows a success.
class SignInForm : public QObject
{
    Q_OBJECT

public:
    static constexpr int kNumberMaxLength = 20;

    SignInForm(RootViewController *screen, SignInFormView *view);

    // Shows the stored type (else "身份证"), number and password; no type picked yet.
    void prefill();
    void pickType();
    // The index among the nine types: the one picked here, or the label's position.
    int typeIndex() const;

    // Checks and sends once however often it is asked while the answer is awaited. A
    // refusal or a network failure is shown in the message alert. A success stores its keys
    // and shows "登录成功" for welcomeSeconds even when the screen has gone meanwhile; then
    // `signedIn` runs if the screen is still there.
    void submit(double welcomeSeconds, std::function<void()> signedIn);

private:
    QPointer<RootViewController> m_screen;
    DocumentTypePicker *m_typePicker;
    QLineEdit *m_numberField;
    QLineEdit *m_passwordField;
    ServerChange m_signIn;
};
