#include "TabbarView.h"

#include "UiImage.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct SlotInfo
{
    int slot;
    int tag;
    const char *objectName;
    const char *image;
};

constexpr SlotInfo kSlots[] = {
    {0, 101, "homeTabButton", "home"},
    {1, 102, "productTabButton", "buy"},
    {3, 104, "newsTabButton", "zx"},
    {4, 105, "accountTabButton", "zh"},
};

} // namespace

TabbarView::TabbarView(QWidget *parent)
    : QWidget(parent), m_background(new QLabel(this)), m_circle(new QLabel(this)),
      m_callButton(new QPushButton(m_circle))
{
    setObjectName(QStringLiteral("tabBar"));
    m_background->setScaledContents(true);
    m_circle->setPixmap(UiImage::pixmap(QStringLiteral("circle")));
    m_circle->setScaledContents(true);
    for (const SlotInfo &info : kSlots) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(info.objectName));
        button->setProperty("tag", info.tag);
        button->setFlat(true);
        button->setStyleSheet(
            QStringLiteral("QPushButton { border: none; background: transparent; }"));
        const int slot = info.slot;
        connect(button, &QPushButton::clicked, this, [this, slot]() { emit slotTapped(slot); });
        m_slotButtons.append(button);
    }
    m_callButton->setObjectName(QStringLiteral("callButton"));
    m_callButton->setProperty("tag", 103);
    m_callButton->setFlat(true);
    m_callButton->setIcon(UiImage::named(QStringLiteral("call")));
    m_callButton->setIconSize(QSize(49, 49));
    m_callButton->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; }"));
    connect(m_callButton, &QPushButton::clicked, this, &TabbarView::callTapped);
    selectSlot(0);
}

void TabbarView::selectSlot(int slot)
{
    for (const SlotInfo &info : kSlots) {
        if (info.slot == slot) {
            m_selected = slot;
            m_background->setPixmap(UiImage::pixmap(QString::fromLatin1(info.image)));
            return;
        }
    }
}

QPushButton *TabbarView::buttonWithTag(int tag) const
{
    if (tag == 103)
        return m_callButton;
    for (QPushButton *b : m_slotButtons) {
        if (b->property("tag").toInt() == tag)
            return b;
    }
    return nullptr;
}

void TabbarView::resizeEvent(QResizeEvent *)
{
    // The widget reaches kCircleRise above the bar so the round button can stand out.
    const int barTop = height() - kHeight;
    m_background->setGeometry(0, barTop, width(), kHeight);
    const int slotWidth = width() / 5;
    for (int i = 0; i < m_slotButtons.size(); ++i) {
        const int slot = kSlots[i].slot;
        m_slotButtons.at(i)->setGeometry(slot * slotWidth, barTop, slotWidth, kHeight);
    }
    m_circle->setGeometry((width() - kCircleSide) / 2, barTop - kCircleRise, kCircleSide,
                          kCircleSide);
    m_callButton->setGeometry((kCircleSide - 49) / 2, (kCircleSide - 49) / 2, 49, 49);
    // Only the bar and the disc take touches; the strip beside the disc belongs to the screen.
    setMask(QRegion(0, barTop, width(), kHeight) + QRegion(m_circle->geometry(), QRegion::Ellipse));
}
