#pragma once

#include "RootViewController.h"
#include "ServerChange.h"

namespace Ui {
class QZRegister1ViewController;
}
class DocumentTypePicker;
class SmsCodeButton;

// "注册", first step: name, document and mobile number; an SMS code is asked for
// ("168006") and checked with the identity ("168004") before the password is set.
class QZRegister1ViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZRegister1ViewController)
    // The title of the screen that opened this one: "登录", "用户指南" or none.
    Q_PROPERTY(QString belongto MEMBER m_belongto)

public:
    explicit QZRegister1ViewController(QWidget *parent = nullptr);
    ~QZRegister1ViewController() override;

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void sendCode();
    void next();

    Ui::QZRegister1ViewController *m_ui;
    DocumentTypePicker *m_typePicker = nullptr;
    SmsCodeButton *m_codeButton;
    QString m_belongto;
    int m_codesRequested = 0; // codes the server agreed to send from this screen
    // Not a change, but sent once with a waiting button all the same: each answer opens
    // the second step.
    ServerChange m_check;
    // Likewise a code request: two taps before the answer would send two text messages.
    ServerChange m_codeRequest;
};
