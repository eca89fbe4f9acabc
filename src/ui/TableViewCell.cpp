#include "TableViewCell.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

TableViewCell::TableViewCell(const QString &reuseIdentifier, CellStyle style, QWidget *parent)
    : QWidget(parent), m_reuseIdentifier(reuseIdentifier), m_style(style)
{
    setAttribute(Qt::WA_StyledBackground, false);
    if (style == CellStyle::Custom)
        return;
    m_textLabel = new QLabel(this);
    m_textLabel->setObjectName(QStringLiteral("textLabel"));
    QFont f = m_textLabel->font();
    f.setPixelSize(15);
    m_textLabel->setFont(f);
    m_detailLabel = new QLabel(this);
    m_detailLabel->setObjectName(QStringLiteral("detailTextLabel"));
    QFont d = m_detailLabel->font();
    d.setPixelSize(style == CellStyle::Subtitle ? 12 : 14);
    m_detailLabel->setFont(d);
    m_detailLabel->setStyleSheet(QStringLiteral("color: #8e8e93;"));
    if (style == CellStyle::Value1)
        m_detailLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TableViewCell::setAccessory(Accessory accessory)
{
    m_accessory = accessory;
    layoutBuiltIn();
    update();
}

void TableViewCell::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

void TableViewCell::setHighlighted(bool highlighted)
{
    if (m_highlighted == highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void TableViewCell::prepareForReuse()
{
    setSelected(false);
    setHighlighted(false);
}

void TableViewCell::setBackgroundColor(const QColor &color)
{
    m_background = color;
    update();
}

void TableViewCell::setSeparatorVisible(bool visible)
{
    m_separatorVisible = visible;
    update();
}

QStringList TableViewCell::texts() const
{
    QStringList out;
    const auto labels = findChildren<QLabel *>();
    QList<QWidget *> items;
    for (QLabel *l : labels) {
        if (l->isVisibleTo(this) && !l->text().isEmpty())
            items.append(l);
    }
    for (QAbstractButton *b : findChildren<QAbstractButton *>()) {
        if (b->isVisibleTo(this) && !b->text().isEmpty())
            items.append(b);
    }
    std::sort(items.begin(), items.end(), [this](QWidget *a, QWidget *b) {
        const QPoint pa = a->mapTo(this, QPoint(0, 0));
        const QPoint pb = b->mapTo(this, QPoint(0, 0));
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    for (QWidget *w : items) {
        if (auto *l = qobject_cast<QLabel *>(w))
            out.append(l->text());
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            out.append(b->text());
    }
    return out;
}

void TableViewCell::resizeEvent(QResizeEvent *)
{
    layoutBuiltIn();
}

void TableViewCell::layoutBuiltIn()
{
    if (!m_textLabel)
        return;
    const int right = width() - (m_accessory == Accessory::None ? 15 : 33);
    const int left = 15;
    switch (m_style) {
    case CellStyle::Default:
        m_textLabel->setGeometry(left, 0, right - left, height());
        m_detailLabel->hide();
        break;
    case CellStyle::Value1:
        m_textLabel->setGeometry(left, 0, (right - left) / 2, height());
        m_detailLabel->setGeometry(left + (right - left) / 3, 0, (right - left) * 2 / 3, height());
        break;
    case CellStyle::Subtitle:
        m_textLabel->setGeometry(left, height() / 2 - 20, right - left, 22);
        m_detailLabel->setGeometry(left, height() / 2 + 2, right - left, 18);
        break;
    case CellStyle::Custom:
        break;
    }
}

void TableViewCell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool grey = !m_selectionNone && (m_highlighted || m_selected);
    p.fillRect(rect(), grey ? QColor(0xd9, 0xd9, 0xd9) : m_background);
    if (m_separatorVisible) {
        p.setPen(QColor(0xe0, 0xe0, 0xe0));
        p.drawLine(m_separatorInset, height() - 1, width(), height() - 1);
    }
    if (m_accessory == Accessory::DisclosureIndicator) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xc7, 0xc7, 0xcc), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF c(width() - 20, height() / 2.0);
        QPainterPath chevron;
        chevron.moveTo(c + QPointF(-4, -7));
        chevron.lineTo(c + QPointF(3, 0));
        chevron.lineTo(c + QPointF(-4, 7));
        p.drawPath(chevron);
    } else if (m_accessory == Accessory::Checkmark) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x00, 0x7a, 0xff), 2));
        const QPointF c(width() - 22, height() / 2.0);
        p.drawPolyline(QList<QPointF>{c + QPointF(-6, 0), c + QPointF(-2, 5), c + QPointF(7, -6)});
    }
}
