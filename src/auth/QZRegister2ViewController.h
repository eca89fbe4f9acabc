#pragma once

#include "Registration.h"
#include "RootViewController.h"
#include "ServerChange.h"

namespace Ui {
class QZRegister2ViewController;
}

// "注册", second step: the password twice; "168001" opens the account and signs the
// customer in, then the third step opens with the gesture set-up on top of it.
class QZRegister2ViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZRegister2ViewController)
    // What the first step checked, as its opener sets it.
    Q_PROPERTY(QString name MEMBER m_name)
    Q_PROPERTY(QString credentialsType MEMBER m_credentialsType) // the type's display name
    Q_PROPERTY(QString credentialsNumber MEMBER m_credentialsNumber)
    Q_PROPERTY(QString mobilePhone MEMBER m_mobilePhone)
    Q_PROPERTY(QString yanZhengMa MEMBER m_yanZhengMa)

public:
    explicit QZRegister2ViewController(QWidget *parent = nullptr);
    ~QZRegister2ViewController() override;

    void setApplicant(const Registration::Applicant &applicant);

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void next();
    // The account is open: the third step, and the gesture set-up over it.
    void showRegistered();

    Ui::QZRegister2ViewController *m_ui;
    QString m_name;
    QString m_credentialsType;
    QString m_credentialsNumber;
    QString m_mobilePhone;
    QString m_yanZhengMa;
    ServerChange m_registration;
};
