#pragma once

#include <QObject>
#include <QString>

class QTimer;

// The send-code button's countdown. Once a code is on its way the button waits, naming
// the seconds left ("60秒后点击重试" … "1秒后点击重试") one step a second, and then offers
// another code ("点击发送验证码"): free again about 61 s after the code was sent.
class SmsCountdown final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SmsCountdown)

public:
    static constexpr int kSeconds = 60;

    explicit SmsCountdown(QObject *parent = nullptr);

    // One step a second unless a test asks for quicker steps.
    void setInterval(int milliseconds);
    // Starts again from 60; the first title comes after one step.
    void start();
    bool isRunning() const;

    // What the button reads with that many seconds left; 0 means a code may be asked for.
    static QString title(int secondsLeft);

signals:
    // Each step: the seconds the title names, 0 once the countdown has ended.
    void stepped(int secondsLeft);

private:
    void step();

    QTimer *m_timer;
    int m_secondsLeft = 0;
};
