#include "CollectionView.h"

#include "TableViewCell.h"
#include "UiColor.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace {
constexpr int kDragThreshold = 6;
}

CollectionView::CollectionView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Window); // a scroll area paints its Base otherwise
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, UiColor::background());
    viewport()->setPalette(p);
    verticalScrollBar()->setSingleStep(20);
    // The thin bar of the lists, so that the items keep the width they were given.
    verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { width: 4px; background: transparent; }"
                       "QScrollBar::handle:vertical { background: rgba(0,0,0,80); border-radius: "
                       "2px; min-height: 20px; }"
                       "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"));
}

void CollectionView::setLayout(int columns, int itemHeight, int spacing)
{
    m_columns = std::max(1, columns);
    m_itemHeight = itemHeight;
    m_itemWidth = 0;
    m_spacing = spacing;
    m_inset = QMargins(spacing, spacing, spacing, spacing);
    reloadData();
}

void CollectionView::setItemSize(const QSize &size, const QMargins &sectionInset)
{
    m_itemWidth = std::max(1, size.width());
    m_itemHeight = size.height();
    m_spacing = 0;
    m_inset = sectionInset;
    reloadData();
}

void CollectionView::setHeaderView(QWidget *view)
{
    // A replaced view is only taken off the grid; its owner may show it again.
    if (m_header && m_header != view)
        m_header->hide();
    m_header = view;
    if (view) {
        view->setParent(viewport());
        view->show();
    }
    reloadData();
}

int CollectionView::headerHeight() const
{
    return m_header ? m_header->height() : 0;
}

int CollectionView::columns() const
{
    if (m_itemWidth == 0)
        return m_columns;
    const int inside = viewport()->width() - m_inset.left() - m_inset.right();
    return std::max(1, inside / m_itemWidth);
}

int CollectionView::itemWidth() const
{
    if (m_itemWidth > 0)
        return m_itemWidth;
    const int inside = viewport()->width() - m_inset.left() - m_inset.right();
    return (inside - (m_columns - 1) * m_spacing) / m_columns;
}

int CollectionView::rows() const
{
    return (m_count + columns() - 1) / columns();
}

QRect CollectionView::rectForItemAtIndex(int index) const
{
    const int across = columns();
    const int width = itemWidth();
    const int row = index / across;
    const int column = index % across;
    int gap = m_spacing;
    if (m_itemWidth > 0 && across > 1) {
        const int inside = viewport()->width() - m_inset.left() - m_inset.right();
        gap = (inside - across * width) / (across - 1);
    }
    return QRect(m_inset.left() + column * (width + gap),
                 itemsTop() + row * (m_itemHeight + m_spacing), width, m_itemHeight);
}

std::optional<int> CollectionView::indexForItemAtPoint(const QPoint &viewportPoint) const
{
    const QPoint content = viewportPoint + QPoint(0, verticalScrollBar()->value());
    if (content.y() < itemsTop())
        return std::nullopt;
    const int row = (content.y() - itemsTop()) / (m_itemHeight + m_spacing);
    for (int column = 0; column < columns(); ++column) {
        const int index = row * columns() + column;
        if (index >= 0 && index < m_count && rectForItemAtIndex(index).contains(content))
            return index;
    }
    return std::nullopt;
}

void CollectionView::reloadData()
{
    for (TableViewCell *cell : std::as_const(m_visible)) {
        cell->hide();
        m_pool.insert(cell->reuseIdentifier(), cell);
    }
    m_visible.clear();
    m_count = m_dataSource ? std::max(0, m_dataSource->numberOfItemsInCollectionView(this)) : 0;
    const int items = rows() * (m_itemHeight + m_spacing) - (rows() > 0 ? m_spacing : 0);
    const int content = itemsTop() + items + m_inset.bottom();
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, content - viewport()->height()));
    layoutVisible();
}

TableViewCell *CollectionView::dequeueReusableCellWithIdentifier(const QString &identifier)
{
    return takeFromPool(identifier, nullptr);
}

TableViewCell *CollectionView::takeFromPool(const QString &identifier, const QMetaObject *type)
{
    for (auto it = m_pool.find(identifier); it != m_pool.end() && it.key() == identifier; ++it) {
        TableViewCell *cell = it.value();
        if (type && !type->cast(cell))
            continue;
        m_pool.erase(it);
        cell->prepareForReuse();
        return cell;
    }
    return nullptr;
}

void CollectionView::layoutVisible()
{
    const int top = verticalScrollBar()->value();
    if (m_header)
        m_header->setGeometry(0, -top, viewport()->width(), m_header->height());
    if (!m_dataSource || m_count == 0)
        return;
    const int bottom = top + viewport()->height();
    const int rowHeight = m_itemHeight + m_spacing;
    const int firstRow = std::max(0, (top - itemsTop()) / rowHeight);
    const int lastRow = std::min(rows() - 1, std::max(0, bottom - itemsTop()) / rowHeight);
    const int first = firstRow * columns();
    const int last = std::min(m_count - 1, (lastRow + 1) * columns() - 1);
    for (auto it = m_visible.begin(); it != m_visible.end();) {
        if (it.key() < first || it.key() > last) {
            it.value()->hide();
            m_pool.insert(it.value()->reuseIdentifier(), it.value());
            it = m_visible.erase(it);
        } else {
            ++it;
        }
    }
    for (int index = first; index <= last; ++index) {
        TableViewCell *cell = m_visible.value(index);
        if (!cell) {
            cell = m_dataSource->cellForItemAtIndex(this, index);
            if (!cell)
                continue;
            if (cell->parentWidget() != viewport()) {
                cell->setParent(viewport());
                ++m_created;
            }
            m_pool.remove(cell->reuseIdentifier(), cell);
            m_visible.insert(index, cell);
        }
        cell->setGeometry(rectForItemAtIndex(index).translated(0, -top));
        cell->show();
    }
}

void CollectionView::tapItemAtIndex(int index)
{
    if (index >= 0 && index < m_count && m_dataSource)
        m_dataSource->didSelectItemAtIndex(this, index);
}

void CollectionView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    reloadData();
}

void CollectionView::scrollContentsBy(int, int)
{
    layoutVisible();
}

void CollectionView::mousePressEvent(QMouseEvent *event)
{
    m_pressPos = event->position().toPoint();
    m_pressScroll = verticalScrollBar()->value();
    m_dragging = false;
}

void CollectionView::mouseMoveEvent(QMouseEvent *event)
{
    // A finger moving the grid scrolls it; once it has moved, lifting it taps nothing.
    const int dy = event->position().toPoint().y() - m_pressPos.y();
    if (!m_dragging && std::abs(dy) < kDragThreshold)
        return;
    m_dragging = true;
    verticalScrollBar()->setValue(m_pressScroll - dy);
}

void CollectionView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragging) {
        m_dragging = false;
        return;
    }
    if (const auto index = indexForItemAtPoint(event->position().toPoint()))
        tapItemAtIndex(*index);
}
