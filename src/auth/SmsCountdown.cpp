#include "SmsCountdown.h"

#include <QTimer>

SmsCountdown::SmsCountdown(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &SmsCountdown::step);
}

void SmsCountdown::setInterval(int milliseconds)
{
    m_timer->setInterval(milliseconds);
}

void SmsCountdown::start()
{
    m_secondsLeft = kSeconds;
    m_timer->start();
}

bool SmsCountdown::isRunning() const
{
    return m_timer->isActive();
}

QString SmsCountdown::title(int secondsLeft)
{
    return secondsLeft > 0 ? QStringLiteral("%1秒后点击重试").arg(secondsLeft)
                           : QStringLiteral("点击发送验证码");
}

void SmsCountdown::step()
{
    if (m_secondsLeft > 0) {
        emit stepped(m_secondsLeft--);
        return;
    }
    m_timer->stop();
    emit stepped(0);
}
