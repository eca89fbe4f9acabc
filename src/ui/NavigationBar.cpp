#include "NavigationBar.h"

#include "NavigationItem.h"
#include "UiColor.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

NavigationBar::NavigationBar(QWidget *parent) : QWidget(parent), m_titleLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("navigationBar"));
    setFixedHeight(kHeight);
    m_titleLabel->setObjectName(QStringLiteral("navigationTitle"));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    QFont font = m_titleLabel->font();
    font.setPixelSize(20);
    font.setBold(true);
    m_titleLabel->setFont(font);
    m_titleLabel->setStyleSheet(QStringLiteral("color: white;"));
}

void NavigationBar::setItem(NavigationItem *item)
{
    if (m_item == item)
        return;
    if (m_item)
        disconnect(m_item, nullptr, this, nullptr);
    // Items of the screen going away leave the bar with it.
    if (m_left)
        m_left->hide();
    if (m_right)
        m_right->hide();
    m_item = item;
    if (m_item)
        connect(m_item, &NavigationItem::changed, this, &NavigationBar::refresh);
    refresh();
}

NavigationItem *NavigationBar::item() const
{
    return m_item;
}

QString NavigationBar::title() const
{
    return m_item ? m_item->title() : QString();
}

void NavigationBar::refresh()
{
    m_titleLabel->setAccessibleName(title());
    QWidget *left = m_item ? m_item->leftWidget() : nullptr;
    QWidget *right = m_item ? m_item->rightWidget() : nullptr;
    if (m_left && m_left != left)
        m_left->hide();
    if (m_right && m_right != right)
        m_right->hide();
    m_left = left;
    m_right = right;
    for (QWidget *w : {left, right}) {
        if (!w)
            continue;
        if (w->parentWidget() != this)
            w->setParent(this);
        w->removeEventFilter(this);
        w->installEventFilter(this);
        w->setVisible(!m_item->widgetsHidden());
    }
    layoutItems();
}

void NavigationBar::layoutItems()
{
    int leftWidth = 0;
    int rightWidth = 0;
    // A button's own size, bounded by the size it was fixed at.
    const auto sizeOf = [](const QWidget *w) {
        return w->sizeHint()
            .expandedTo(w->size())
            .boundedTo(w->maximumSize())
            .expandedTo(w->minimumSize());
    };
    if (m_left) {
        const QSize s = sizeOf(m_left);
        m_left->setGeometry(0, (height() - s.height()) / 2, s.width(), s.height());
        leftWidth = s.width();
    }
    if (m_right) {
        const QSize s = sizeOf(m_right);
        m_right->setGeometry(width() - s.width(), (height() - s.height()) / 2, s.width(),
                             s.height());
        rightWidth = s.width();
    }
    const int side = std::max(leftWidth, rightWidth) + 4;
    const int titleWidth = std::max(0, width() - 2 * side);
    m_titleLabel->setGeometry(side, 0, titleWidth, height());
    // A title longer than the bar ends in "…", as the phone's bar shows it.
    m_titleLabel->setText(
        m_titleLabel->fontMetrics().elidedText(title(), Qt::ElideRight, titleWidth));
}

void NavigationBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), UiColor::navigationTint());
}

void NavigationBar::resizeEvent(QResizeEvent *)
{
    layoutItems();
}

bool NavigationBar::eventFilter(QObject *watched, QEvent *event)
{
    // A bar button that changes its width (a longer title) keeps to its edge.
    const bool resized = event->type() == QEvent::Resize || event->type() == QEvent::Show;
    if (resized && (watched == m_left || watched == m_right))
        layoutItems();
    return QWidget::eventFilter(watched, event);
}
