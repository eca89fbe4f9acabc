#include "ProgressBar.h"

#include "UiColor.h"

#include <QPainter>

ProgressBar::ProgressBar(QWidget *parent)
    : QWidget(parent), m_track(0xe0, 0xe0, 0xe0), m_fill(UiColor::brandBlue())
{
    setMinimumHeight(4);
}

void ProgressBar::setProgress(double progress)
{
    m_progress = std::isfinite(progress) ? std::clamp(progress, 0.0, 1.0) : 0.0;
    update();
}

void ProgressBar::setColors(const QColor &track, const QColor &fill)
{
    m_track = track;
    m_fill = fill;
    update();
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const qreal r = height() / 2.0;
    p.setBrush(m_track);
    p.drawRoundedRect(rect(), r, r);
    p.setBrush(m_fill);
    p.drawRoundedRect(QRectF(0, 0, width() * m_progress, height()), r, r);
}
