#include "WNLockLabel.h"

#include "GestureColors.h"
#include "ShakeAnimation.h"

#include <QPainter>

WNLockLabel::WNLockLabel(QWidget *parent) : QLabel(parent), m_color(GestureColors::message())
{
    QFont f = font();
    f.setPixelSize(14);
    setFont(f);
    setAlignment(Qt::AlignCenter);
}

void WNLockLabel::showNormalMsg(const QString &message)
{
    showMessage(message, GestureColors::message());
}

void WNLockLabel::showWarnMsg(const QString &message)
{
    showMessage(message, GestureColors::error());
}

void WNLockLabel::showWarnMsgAndShake(const QString &message)
{
    showMessage(message, GestureColors::error());
    ShakeAnimation::shake(this);
}

void WNLockLabel::showMessage(const QString &message, const QColor &color)
{
    m_color = color;
    setText(message);
    update();
    emit messageShown(message);
}

void WNLockLabel::setTranslationX(qreal x)
{
    m_translationX = x;
    update();
}

void WNLockLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(m_translationX, 0);
    painter.setPen(m_color);
    painter.setFont(font());
    painter.drawText(rect(), int(alignment()), text());
}
