#include "ActivityIndicator.h"

#include <QPainter>
#include <QTimer>

ActivityIndicator::ActivityIndicator(QWidget *parent)
    : QWidget(parent), m_color(Qt::gray), m_timer(new QTimer(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer->setInterval(80);
    connect(m_timer, &QTimer::timeout, this, [this]() {
        m_step = (m_step + 1) % 12;
        update();
    });
    hide();
}

void ActivityIndicator::setColor(const QColor &color)
{
    m_color = color;
    update();
}

bool ActivityIndicator::isAnimating() const
{
    return m_timer->isActive();
}

void ActivityIndicator::setAnimating(bool animating)
{
    setVisible(animating);
    if (animating)
        m_timer->start();
    else
        m_timer->stop();
}

void ActivityIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    p.translate(width() / 2.0, height() / 2.0);
    QPen pen(m_color, std::max<qreal>(1.5, side / 10.0), Qt::SolidLine, Qt::RoundCap);
    for (int i = 0; i < 12; ++i) {
        QColor c = m_color;
        c.setAlphaF(float(0.15 + 0.85 * ((i + 12 - m_step) % 12) / 11.0));
        pen.setColor(c);
        p.setPen(pen);
        p.drawLine(QPointF(0, -side * 0.22), QPointF(0, -side * 0.45));
        p.rotate(30);
    }
}
