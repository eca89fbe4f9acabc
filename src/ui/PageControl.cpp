#include "PageControl.h"

#include <QPainter>

namespace {
constexpr qreal kDot = 7;
constexpr qreal kPitch = 15;
} // namespace

PageControl::PageControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PageControl::setNumberOfPages(int pages)
{
    m_pages = std::max(0, pages);
    m_current = std::clamp(m_current, 0, std::max(0, m_pages - 1));
    setAccessibleName(QStringLiteral("第%1页，共%2页").arg(m_current + 1).arg(m_pages));
    update();
}

void PageControl::setCurrentPage(int page)
{
    m_current = std::clamp(page, 0, std::max(0, m_pages - 1));
    setAccessibleName(QStringLiteral("第%1页，共%2页").arg(m_current + 1).arg(m_pages));
    update();
}

void PageControl::paintEvent(QPaintEvent *)
{
    // A single page shows no dots, as the phone's page control hides itself then.
    if (m_pages < 2)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const qreal left = (width() - m_pages * kPitch) / 2 + (kPitch - kDot) / 2;
    const qreal top = (height() - kDot) / 2;
    for (int i = 0; i < m_pages; ++i) {
        p.setBrush(i == m_current ? QColor(Qt::white) : QColor(255, 255, 255, 110));
        p.drawEllipse(QRectF(left + i * kPitch, top, kDot, kDot));
    }
}
