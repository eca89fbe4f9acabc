#include "TabbarView.h"

#include "UiColor.h"
#include "UiImage.h"

#include <QPainter>

#include <QLabel>
#include <QPushButton>

namespace {

struct SlotInfo
{
    int slot;
    int tag;
    const char *objectName;
    const char *image;
    const char *caption;
};

constexpr SlotInfo kSlots[] = {
    {0, 101, "homeTabButton", "tab_home", "首页"},
    {1, 102, "productTabButton", "tab_buy", "产品"},
    {3, 104, "newsTabButton", "tab_zx", "资讯"},
    {4, 105, "accountTabButton", "tab_zh", "账户"},
};

constexpr int kIconSide = 22;

} // namespace

TabbarView::TabbarView(QWidget *parent)
    : QWidget(parent), m_circle(new QLabel(this)), m_callButton(new QPushButton(m_circle))
{
    setObjectName(QStringLiteral("tabBar"));
    m_circle->setPixmap(UiImage::pixmap(QStringLiteral("circle")));
    m_circle->setScaledContents(true);
    for (const SlotInfo &info : kSlots) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(info.objectName));
        button->setProperty("tag", info.tag);
        button->setAccessibleName(QString::fromUtf8(info.caption));
        button->setFlat(true);
        button->setStyleSheet(
            QStringLiteral("QPushButton { border: none; background: transparent; }"));
        const int slot = info.slot;
        connect(button, &QPushButton::clicked, this, [this, slot]() { emit slotTapped(slot); });
        m_slotButtons.append(button);
    }
    m_callButton->setObjectName(QStringLiteral("callButton"));
    m_callButton->setProperty("tag", 103);
    m_callButton->setAccessibleName(QStringLiteral("拨打客服热线"));
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
            update();
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

void TabbarView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bar(0, height() - kHeight, width(), kHeight);
    p.fillRect(bar, Qt::white);
    p.fillRect(QRectF(0, bar.top(), width(), 1), UiColor::getColor(QStringLiteral("d9d9d9")));
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    const qreal slotWidth = width() / 5.0;
    for (const SlotInfo &info : kSlots) {
        const bool selected = info.slot == m_selected;
        const QString image =
            QString::fromLatin1(info.image) + (selected ? QStringLiteral("_selected") : QString());
        const qreal left = info.slot * slotWidth;
        p.drawPixmap(QRect(int(left + (slotWidth - kIconSide) / 2), int(bar.top()) + 5, kIconSide,
                           kIconSide),
                     UiImage::pixmap(image));
        p.setPen(selected ? UiColor::getColor(QStringLiteral("0588e5"))
                          : UiColor::getColor(QStringLiteral("8e8e93")));
        p.drawText(QRectF(left, bar.top() + 29, slotWidth, 15), Qt::AlignCenter,
                   QString::fromUtf8(info.caption));
    }
}
