#include "SmsCodeButton.h"

#include "SmsCountdown.h"

#include <QPushButton>

SmsCodeButton::SmsCodeButton(QPushButton *button)
    : QObject(button), m_button(button), m_countdown(new SmsCountdown(this))
{
    connect(m_countdown, &SmsCountdown::stepped, this, &SmsCodeButton::showStep);
}

void SmsCodeButton::startCountdown()
{
    // The look of a disabled button is the waiting look (see AuthFormStyle).
    m_button->setEnabled(false);
    m_countdown->start();
}

bool SmsCodeButton::isCountingDown() const
{
    return m_countdown->isRunning();
}

void SmsCodeButton::showStep(int secondsLeft)
{
    m_button->setText(SmsCountdown::title(secondsLeft));
    m_button->setEnabled(secondsLeft == 0);
}
