#pragma once

#include <QWidget>

namespace Ui {
class SignInFormView;
}
class QLabel;
class QLineEdit;
class QPushButton;

// The sign-in form's widgets, laid out once for the sign-in screen and the account tab:
// the type row, the number and password fields, the sign-in button and the links to
// registration and recovery. SignInForm gives them their behaviour.
class SignInFormView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SignInFormView)

public:
    explicit SignInFormView(QWidget *parent = nullptr);
    ~SignInFormView() override;

    QPushButton *typeButton() const;
    QLabel *typeLabel() const;
    QLineEdit *numberTextField() const;
    QLineEdit *passwordTextField() const;
    QPushButton *loginButton() const;
    QPushButton *registerButton() const;
    QPushButton *forgetButton() const;

private:
    Ui::SignInFormView *m_ui;
};
