#include "SectionHeaderButton.h"

#include "UiImage.h"

#include <QLabel>

namespace {

constexpr int kArrowSize = 16;
constexpr int kArrowInset = 15;

} // namespace

SectionHeaderButton::SectionHeaderButton(const QString &title, int height, QWidget *parent)
    : QPushButton(title, parent), m_line(new QLabel(this))
{
    setFixedHeight(height);
    setAccessibleName(title);
    setCursor(Qt::PointingHandCursor);
    setIcon(UiImage::named(QStringLiteral("ico_faq_d")));
    setIconSize(QSize(18, 18));
    setStyleSheet(QStringLiteral("QPushButton { background: white; border: none; color: #333333;"
                                 " font-size: 15px; text-align: left; padding-left: 12px; }"));
    m_line->setObjectName(QStringLiteral("line"));
    m_line->setPixmap(UiImage::pixmap(QStringLiteral("line_real")));
    m_line->setScaledContents(true);
}

void SectionHeaderButton::showArrow(bool expanded)
{
    if (!m_arrow) {
        m_arrow = new QLabel(this);
        m_arrow->setObjectName(QStringLiteral("arrow"));
        m_arrow->setScaledContents(true);
        m_arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_arrow->setPixmap(
        UiImage::pixmap(expanded ? QStringLiteral("ico_listup") : QStringLiteral("ico_listdown")));
    m_arrow->setAccessibleName(expanded ? QStringLiteral("收起") : QStringLiteral("展开"));
    placeChildren();
}

void SectionHeaderButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    placeChildren();
}

void SectionHeaderButton::placeChildren()
{
    m_line->setGeometry(0, height() - 1, width(), 1);
    if (m_arrow)
        m_arrow->setGeometry(width() - kArrowInset - kArrowSize, (height() - kArrowSize) / 2,
                             kArrowSize, kArrowSize);
}
