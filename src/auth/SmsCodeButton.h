#pragma once

#include <QObject>

class QPushButton;
class SmsCountdown;

// The send-code button of registration and recovery. While the countdown runs it ignores
// taps and reads the seconds left, grey on a clear background; then it offers another code
// ("点击发送验证码") in blue (0, 148, 222). Its SmsCountdown child sets the pace.
class SmsCodeButton final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SmsCodeButton)

public:
    explicit SmsCodeButton(QPushButton *button);

    void startCountdown();
    bool isCountingDown() const;

private:
    void showStep(int secondsLeft);

    QPushButton *m_button;
    SmsCountdown *m_countdown;
};
