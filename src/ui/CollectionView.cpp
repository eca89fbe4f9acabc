#include "CollectionView.h"

#include "TableViewCell.h"
#include "UiColor.h"

#include <QMouseEvent>
#include <QScrollBar>

CollectionView::CollectionView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(true);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, UiColor::background());
    viewport()->setPalette(p);
    verticalScrollBar()->setSingleStep(20);
}

void CollectionView::setLayout(int columns, int itemHeight, int spacing)
{
    m_columns = std::max(1, columns);
    m_itemHeight = itemHeight;
    m_spacing = spacing;
    reloadData();
}

int CollectionView::rows() const
{
    return (m_count + m_columns - 1) / m_columns;
}

QRect CollectionView::rectForItemAtIndex(int index) const
{
    const int width = (viewport()->width() - (m_columns + 1) * m_spacing) / m_columns;
    const int row = index / m_columns;
    const int column = index % m_columns;
    return QRect(m_spacing + column * (width + m_spacing),
                 m_spacing + row * (m_itemHeight + m_spacing), width, m_itemHeight);
}

std::optional<int> CollectionView::indexForItemAtPoint(const QPoint &viewportPoint) const
{
    const QPoint content = viewportPoint + QPoint(0, verticalScrollBar()->value());
    const int row = (content.y() - m_spacing) / (m_itemHeight + m_spacing);
    for (int column = 0; column < m_columns; ++column) {
        const int index = row * m_columns + column;
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
    const int content = m_spacing + rows() * (m_itemHeight + m_spacing);
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, content - viewport()->height()));
    layoutVisible();
}

TableViewCell *CollectionView::dequeueReusableCellWithIdentifier(const QString &identifier)
{
    auto it = m_pool.find(identifier);
    if (it == m_pool.end())
        return nullptr;
    TableViewCell *cell = it.value();
    m_pool.erase(it);
    cell->prepareForReuse();
    return cell;
}

void CollectionView::layoutVisible()
{
    if (!m_dataSource || m_count == 0)
        return;
    const int top = verticalScrollBar()->value();
    const int bottom = top + viewport()->height();
    const int rowHeight = m_itemHeight + m_spacing;
    const int firstRow = std::max(0, (top - m_spacing) / rowHeight);
    const int lastRow = std::min(rows() - 1, (bottom - m_spacing) / rowHeight);
    const int first = firstRow * m_columns;
    const int last = std::min(m_count - 1, (lastRow + 1) * m_columns - 1);
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

void CollectionView::mouseReleaseEvent(QMouseEvent *event)
{
    if (const auto index = indexForItemAtPoint(event->position().toPoint()))
        tapItemAtIndex(*index);
}
