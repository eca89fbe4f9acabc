#include "PlaceholderViewController.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderViewController::PlaceholderViewController(const QString &title, QWidget *parent)
    : RootViewController(parent), m_slotTitle(title)
{
    auto *label = new QLabel(QStringLiteral("即将开放"), this);
    label->setObjectName(QStringLiteral("placeholderLabel"));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #8e8e93; font-size: 15px;"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

void PlaceholderViewController::initNav()
{
    setTitle(m_slotTitle);
}
