#include "EmptyStateView.h"

#include "UiImage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

EmptyStateView::EmptyStateView(QWidget *parent)
    : QWidget(parent), m_picture(new QLabel(this)), m_text(new QLabel(this)),
      m_button(new QPushButton(this))
{
    setObjectName(QStringLiteral("emptyStateView"));
    m_picture->setObjectName(QStringLiteral("emptyStatePicture"));
    m_text->setObjectName(QStringLiteral("emptyStateText"));
    m_button->setObjectName(QStringLiteral("emptyStateButton"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setStyleSheet(QStringLiteral("color: #8e8e93; font-size: 14px;"));
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->setStyleSheet(
        QStringLiteral("QPushButton { color: #0588e5; background: white; border: 1px solid #0588e5;"
                       " border-radius: 4px; font-size: 15px; padding: 6px 24px; }"
                       "QPushButton:pressed { background: #e8f3fc; }"));
    auto *column = new QVBoxLayout(this);
    column->setSpacing(12);
    column->addStretch(2);
    column->addWidget(m_picture);
    column->addWidget(m_text);
    column->addWidget(m_button, 0, Qt::AlignHCenter);
    column->addStretch(3);
    connect(m_button, &QPushButton::clicked, this, [this]() {
        if (m_action)
            m_action();
    });
}

void EmptyStateView::setContent(const QString &image, const QString &text,
                                const QString &actionTitle, std::function<void()> action)
{
    m_picture->setPixmap(UiImage::pixmap(image));
    m_picture->setAccessibleName(text);
    m_text->setText(text);
    m_button->setText(actionTitle);
    m_button->setAccessibleName(actionTitle);
    m_button->setVisible(!actionTitle.isEmpty());
    m_action = std::move(action);
}

QString EmptyStateView::text() const
{
    return m_text->text();
}
