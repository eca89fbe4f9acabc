#include "SegmentedControl.h"

#include "UiColor.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int kStripeHeight = 2;
}

SegmentedControl::SegmentedControl(const QStringList &titles, QWidget *parent)
    : QWidget(parent), m_titles(titles), m_selectedColor(UiColor::brandBlue())
{
    setObjectName(QStringLiteral("segmentedControl"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, kStripeHeight);
    row->setSpacing(0);
    for (int i = 0; i < titles.size(); ++i) {
        auto *button = new QPushButton(titles.at(i), this);
        button->setObjectName(QStringLiteral("segment%1").arg(i));
        button->setFlat(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(button, &QPushButton::clicked, this, [this, i]() { setSelectedIndex(i); });
        row->addWidget(button);
        m_buttons.append(button);
    }
    restyle();
}

void SegmentedControl::setSelectedIndex(int index)
{
    if (index < 0 || index >= m_buttons.size() || index == m_selected)
        return;
    m_selected = index;
    restyle();
    update();
    emit selectedIndexChanged(index);
}

void SegmentedControl::setSelectedColor(const QColor &color)
{
    m_selectedColor = color;
    restyle();
    update();
}

void SegmentedControl::restyle()
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        const QColor c = i == m_selected ? m_selectedColor : QColor(0x33, 0x33, 0x33);
        m_buttons.at(i)->setStyleSheet(QStringLiteral("QPushButton { border: none; background: "
                                                      "transparent; font-size: 15px; color: %1; }")
                                           .arg(c.name()));
    }
}

void SegmentedControl::paintEvent(QPaintEvent *)
{
    if (m_buttons.isEmpty())
        return;
    QPainter p(this);
    p.fillRect(0, height() - 1, width(), 1, QColor(0xe0, 0xe0, 0xe0));
    const QRect b = m_buttons.at(m_selected)->geometry();
    p.fillRect(b.left() + b.width() / 6, height() - kStripeHeight, b.width() * 2 / 3, kStripeHeight,
               m_selectedColor);
}
