#include "TableView.h"

#include "Animations.h"
#include "EmptyStateView.h"
#include "LoadMoreFooter.h"
#include "PullRefreshHeader.h"
#include "TableViewCell.h"
#include "UiColor.h"

#include <QDateTime>

#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kDragThreshold = 6;
constexpr int kKineticStepMs = 16;
constexpr double kMaxVelocity = 4.0; // points per millisecond
constexpr double kMinFlick = 0.3;    // slower than this, a released list stays put
constexpr double kFriction = 0.95;   // what each step keeps of the velocity
constexpr int kGroupedHeaderHeight = 20;
constexpr int kGroupedFooterHeight = 10;

} // namespace

TableView::TableView(QWidget *parent, Style style)
    : QAbstractScrollArea(parent), m_style(style), m_kinetic(new QTimer(this))
{
    m_kinetic->setInterval(kKineticStepMs);
    connect(m_kinetic, &QTimer::timeout, this, &TableView::kineticStep);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { width: 4px; background: transparent; }"
                       "QScrollBar::handle:vertical { background: rgba(0,0,0,80); border-radius: "
                       "2px; min-height: 20px; }"
                       "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"));
    connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, [this]() { userScrolled(); });
    setStyle(style);
}

TableView::~TableView() = default;

void TableView::setStyle(Style style)
{
    m_style = style;
    viewport()->setAutoFillBackground(true);
    QPalette p = viewport()->palette();
    const QColor ground = style == Style::Grouped ? UiColor::background() : QColor(Qt::white);
    p.setColor(QPalette::Window, ground);
    viewport()->setPalette(p);
    // Under the application's style sheet a palette alone does not reach the viewport.
    viewport()->setStyleSheet(
        QStringLiteral("#qt_scrollarea_viewport { background: %1; }").arg(ground.name()));
}

void TableView::setRowHeight(int height)
{
    m_rowHeight = height;
}

void TableView::setTableHeaderView(QWidget *view)
{
    // A replaced view is only taken off the table; its owner may show it again.
    if (m_tableHeader && m_tableHeader != view)
        m_tableHeader->hide();
    m_tableHeader = view;
    if (view)
        view->setParent(viewport());
    reloadData();
}

void TableView::setTableFooterView(QWidget *view)
{
    // A replaced view is only taken off the table; its owner may show it again.
    if (m_tableFooter && m_tableFooter != view)
        m_tableFooter->hide();
    m_tableFooter = view;
    if (view)
        view->setParent(viewport());
    reloadData();
}

LoadMoreFooter *TableView::addLoadMoreFooter(std::function<void()> onRefresh)
{
    delete m_loadMore;
    m_loadMore = new LoadMoreFooter(std::move(onRefresh), viewport());
    reloadData();
    return m_loadMore;
}

int TableView::numberOfRowsInSection(int section) const
{
    return section >= 0 && section < m_sections.size() ? m_sections.at(section).rows : 0;
}

void TableView::reloadData()
{
    for (TableViewCell *cell : std::as_const(m_visibleCells))
        recycle(cell);
    m_visibleCells.clear();
    dropSectionHeaders();
    if (m_selected && m_selected->section >= 0) {
        // Rows may have moved; a reload clears the selection as the phone's table does.
        m_selected.reset();
    }
    rebuildItems();
    updateScrollRange();
    layoutVisible();
}

int TableView::rowHeightFor(const IndexPath &path) const
{
    const int fromDelegate =
        m_delegate ? m_delegate->heightForRowAtIndexPath(const_cast<TableView *>(this), path) : -1;
    if (fromDelegate >= 0)
        return fromDelegate;
    return m_rowHeight == kAutomaticDimension ? m_estimatedRowHeight : m_rowHeight;
}

int TableView::headerHeightFor(int section) const
{
    const int h = m_delegate
                      ? m_delegate->heightForHeaderInSection(const_cast<TableView *>(this), section)
                      : -1;
    if (h >= 0)
        return h;
    if (m_sectionHeaderHeight > 0)
        return m_sectionHeaderHeight;
    return m_style == Style::Grouped ? kGroupedHeaderHeight : 0;
}

int TableView::footerHeightFor(int section) const
{
    const int h = m_delegate
                      ? m_delegate->heightForFooterInSection(const_cast<TableView *>(this), section)
                      : -1;
    if (h >= 0)
        return h;
    if (m_sectionFooterHeight > 0)
        return m_sectionFooterHeight;
    return m_style == Style::Grouped ? kGroupedFooterHeight : 0;
}

void TableView::rebuildItems()
{
    m_items.clear();
    m_sections.clear();
    if (m_tableHeader)
        m_items.append({ItemKind::TableHeader, -1, -1, 0, m_tableHeader->height(), true});
    const int sections =
        m_dataSource ? std::max(0, m_dataSource->numberOfSectionsInTableView(this)) : 0;
    const bool automatic = m_rowHeight == kAutomaticDimension;
    for (int s = 0; s < sections; ++s) {
        Section section;
        section.rows = std::max(0, m_dataSource->numberOfRowsInSection(this, s));
        if (const int h = headerHeightFor(s); h > 0)
            m_items.append({ItemKind::SectionHeader, s, -1, 0, h, true});
        section.firstItem = int(m_items.size());
        for (int r = 0; r < section.rows; ++r) {
            const int fromDelegate =
                m_delegate ? m_delegate->heightForRowAtIndexPath(this, {s, r}) : -1;
            const bool measured = fromDelegate >= 0 || !automatic;
            m_items.append({ItemKind::Row, s, r, 0, rowHeightFor({s, r}), measured});
        }
        if (const int h = footerHeightFor(s); h > 0)
            m_items.append({ItemKind::SectionFooter, s, -1, 0, h, true});
        m_sections.append(section);
    }
    if (m_tableFooter)
        m_items.append({ItemKind::TableFooter, -1, -1, 0, m_tableFooter->height(), true});
    // An empty list shows its empty state, not an invitation to load more.
    if (m_loadMore && !(m_emptyState && !m_emptyState->isHidden()))
        m_items.append({ItemKind::LoadMore, -1, -1, 0, LoadMoreFooter::kHeight, true});
    recomputeTops();
}

void TableView::recomputeTops()
{
    int top = 0;
    for (Item &item : m_items) {
        item.top = top;
        top += item.height;
    }
    m_contentHeight = top;
}

void TableView::updateScrollRange()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setPageStep(viewport()->height());
    bar->setRange(0, std::max(0, m_contentHeight - viewport()->height()));
}

int TableView::itemIndexForRow(const IndexPath &path) const
{
    if (path.section < 0 || path.section >= m_sections.size())
        return -1;
    const Section &s = m_sections.at(path.section);
    if (path.row < 0 || path.row >= s.rows)
        return -1;
    return s.firstItem + path.row;
}

QWidget *TableView::widgetForItem(const Item &item)
{
    switch (item.kind) {
    case ItemKind::TableHeader:
        return m_tableHeader;
    case ItemKind::TableFooter:
        return m_tableFooter;
    case ItemKind::LoadMore:
        return m_loadMore;
    case ItemKind::SectionFooter:
        return nullptr; // only space
    case ItemKind::SectionHeader: {
        if (QWidget *view = m_sectionHeaders.value(item.section))
            return view;
        QWidget *view =
            m_delegate ? m_delegate->viewForHeaderInSection(this, item.section) : nullptr;
        if (view) {
            view->setParent(viewport());
            m_sectionHeaders.insert(item.section, view);
        }
        return view;
    }
    case ItemKind::Row: {
        const IndexPath path{item.section, item.row};
        if (TableViewCell *cell = m_visibleCells.value(path))
            return cell;
        TableViewCell *cell = cellFromDataSource(path);
        if (cell)
            m_visibleCells.insert(path, cell);
        return cell;
    }
    }
    return nullptr;
}

TableViewCell *TableView::cellFromDataSource(const IndexPath &path)
{
    TableViewCell *cell = m_dataSource->cellForRowAtIndexPath(this, path);
    if (!cell)
        return nullptr;
    if (cell->parentWidget() != viewport()) {
        cell->setParent(viewport());
        ++m_createdCells;
    }
    // The cell shows this row's selection, whatever row it showed before.
    cell->setSelected(m_selected && *m_selected == path);
    cell->setSeparatorVisible(m_separators);
    return cell;
}

TableViewCell *TableView::takeFromPool(const QString &identifier, const QMetaObject *type)
{
    for (auto it = m_reusePool.find(identifier); it != m_reusePool.end() && it.key() == identifier;
         ++it) {
        TableViewCell *cell = it.value();
        if (type && !type->cast(cell)) {
            qWarning("TableView: a %s waits under the reuse identifier of a %s",
                     cell->metaObject()->className(), type->className());
            continue;
        }
        m_reusePool.erase(it);
        cell->prepareForReuse();
        return cell;
    }
    return nullptr;
}

void TableView::recycle(TableViewCell *cell)
{
    cell->hide();
    m_reusePool.insert(cell->reuseIdentifier(), cell);
}

void TableView::dropSectionHeaders()
{
    for (const auto &view : std::as_const(m_sectionHeaders)) {
        if (view)
            view->deleteLater();
    }
    m_sectionHeaders.clear();
}

TableViewCell *TableView::dequeueReusableCellWithIdentifier(const QString &identifier)
{
    return takeFromPool(identifier, nullptr);
}

void TableView::layoutVisible()
{
    if (m_inLayout)
        return;
    m_inLayout = true;
    // Self-sizing rows change the layout as they are measured; a few passes settle it.
    for (int pass = 0; pass < 4; ++pass) {
        // A pull moves the content down below the pull header.
        const int y0 = verticalScrollBar()->value() - m_pull;
        const auto [first, last] = itemsBetween(y0, y0 + viewport()->height());
        // Rows leaving the screen go back to the pool before new rows ask for cells.
        recycleRowsOutside(first, last);
        const bool heightsChanged = placeItems(first, last, y0);
        hideViewsOutside(first, last);
        if (!heightsChanged)
            break;
        recomputeTops();
        updateScrollRange();
    }
    if (m_pullHeader) {
        m_pullHeader->setGeometry(0, m_pull - PullRefreshHeader::kHeight, viewport()->width(),
                                  PullRefreshHeader::kHeight);
        m_pullHeader->setVisible(m_pull > 0);
    }
    if (m_emptyState && !m_emptyState->isHidden()) {
        const int top =
            m_tableHeader ? std::max(0, m_tableHeader->height() - verticalScrollBar()->value()) : 0;
        m_emptyState->setGeometry(0, top, viewport()->width(),
                                  std::max(0, viewport()->height() - top));
        m_emptyState->raise();
    }
    m_inLayout = false;
}

std::pair<TableView::ItemIterator, TableView::ItemIterator> TableView::itemsBetween(int top,
                                                                                    int bottom)
{
    auto first = std::partition_point(m_items.begin(), m_items.end(),
                                      [top](const Item &i) { return i.top + i.height <= top; });
    auto last = first;
    while (last != m_items.end() && last->top < bottom)
        ++last;
    return {first, last};
}

void TableView::recycleRowsOutside(ItemIterator first, ItemIterator last)
{
    const qsizetype from = first - m_items.begin();
    const qsizetype to = last - m_items.begin();
    for (auto it = m_visibleCells.begin(); it != m_visibleCells.end();) {
        const int index = itemIndexForRow(it.key());
        if (index < from || index >= to) {
            recycle(it.value());
            it = m_visibleCells.erase(it);
        } else {
            ++it;
        }
    }
}

bool TableView::placeItems(ItemIterator first, ItemIterator last, int offset)
{
    bool heightsChanged = false;
    for (auto it = first; it != last; ++it) {
        QWidget *widget = widgetForItem(*it);
        if (!widget)
            continue;
        heightsChanged = measure(*it, widget) || heightsChanged;
        widget->setGeometry(0, it->top - offset, viewport()->width(), it->height);
        widget->show();
    }
    return heightsChanged;
}

void TableView::hideViewsOutside(ItemIterator first, ItemIterator last)
{
    const auto shown = [first, last](ItemKind kind, int section) {
        return std::any_of(first, last, [kind, section](const Item &i) {
            return i.kind == kind && (section < 0 || i.section == section);
        });
    };
    for (auto it = m_sectionHeaders.begin(); it != m_sectionHeaders.end();) {
        if (!shown(ItemKind::SectionHeader, it.key())) {
            if (it.value())
                it.value()->deleteLater();
            it = m_sectionHeaders.erase(it);
        } else {
            ++it;
        }
    }
    const std::pair<ItemKind, QWidget *> fixedViews[] = {{ItemKind::TableHeader, m_tableHeader},
                                                         {ItemKind::TableFooter, m_tableFooter},
                                                         {ItemKind::LoadMore, m_loadMore}};
    for (const auto &[kind, view] : fixedViews) {
        if (view && !shown(kind, -1))
            view->hide();
    }
}

bool TableView::measure(Item &item, QWidget *widget)
{
    if (item.kind != ItemKind::Row || item.measured)
        return false;
    item.measured = true;
    const int w = viewport()->width();
    const int natural =
        widget->hasHeightForWidth() ? widget->heightForWidth(w) : widget->sizeHint().height();
    const int h = std::max(natural, widget->minimumHeight());
    if (h <= 0 || h == item.height)
        return false;
    item.height = h;
    return true;
}

void TableView::measureAround(int index)
{
    // The rows that can share the screen with the target, on either side of it.
    const int reach = viewport()->height();
    const auto measureRow = [this](Item &item) {
        if (item.kind != ItemKind::Row || item.measured)
            return;
        const IndexPath path{item.section, item.row};
        if (TableViewCell *shown = m_visibleCells.value(path)) {
            measure(item, shown);
            return;
        }
        TableViewCell *cell = cellFromDataSource(path);
        if (!cell)
            return;
        cell->resize(viewport()->width(), cell->height());
        measure(item, cell);
        recycle(cell);
    };
    int covered = 0;
    for (int i = index; i >= 0 && covered < reach; --i) {
        measureRow(m_items[i]);
        covered += m_items.at(i).height;
    }
    covered = 0;
    for (int i = index; i < m_items.size() && covered < reach; ++i) {
        measureRow(m_items[i]);
        covered += m_items.at(i).height;
    }
    recomputeTops();
    updateScrollRange();
}

TableViewCell *TableView::cellForRowAtIndexPath(const IndexPath &indexPath) const
{
    return m_visibleCells.value(indexPath);
}

QList<TableViewCell *> TableView::visibleCells() const
{
    QList<TableViewCell *> out;
    for (const IndexPath &path : indexPathsForVisibleRows())
        out.append(m_visibleCells.value(path));
    return out;
}

QList<IndexPath> TableView::indexPathsForVisibleRows() const
{
    QList<IndexPath> paths = m_visibleCells.keys();
    std::sort(paths.begin(), paths.end(), [](const IndexPath &a, const IndexPath &b) {
        return a.section != b.section ? a.section < b.section : a.row < b.row;
    });
    return paths;
}

QRect TableView::rectForRowAtIndexPath(const IndexPath &indexPath) const
{
    const int index = itemIndexForRow(indexPath);
    if (index < 0)
        return QRect();
    const Item &item = m_items.at(index);
    return QRect(0, item.top, viewport()->width(), item.height);
}

std::optional<IndexPath> TableView::indexPathForRowAtPoint(const QPoint &viewportPoint) const
{
    const int y = viewportPoint.y() + verticalScrollBar()->value();
    auto it = std::partition_point(m_items.cbegin(), m_items.cend(),
                                   [y](const Item &i) { return i.top + i.height <= y; });
    if (it == m_items.cend() || it->kind != ItemKind::Row || it->top > y)
        return std::nullopt;
    return IndexPath{it->section, it->row};
}

void TableView::selectRowAtIndexPath(const IndexPath &indexPath)
{
    if (m_selected)
        if (TableViewCell *old = m_visibleCells.value(*m_selected))
            old->setSelected(false);
    m_selected = indexPath;
    if (TableViewCell *cell = m_visibleCells.value(indexPath))
        cell->setSelected(true);
}

void TableView::deselectRowAtIndexPath(const IndexPath &indexPath, bool animated)
{
    if (!m_selected || !(*m_selected == indexPath))
        return;
    m_selected.reset();
    QPointer<TableViewCell> cell = m_visibleCells.value(indexPath);
    if (!cell)
        return;
    if (animated)
        QTimer::singleShot(200, cell, [cell]() { cell->setSelected(false); });
    else
        cell->setSelected(false);
}

void TableView::tapRowAtIndexPath(const IndexPath &indexPath)
{
    if (itemIndexForRow(indexPath) < 0)
        return;
    selectRowAtIndexPath(indexPath);
    if (m_delegate)
        m_delegate->didSelectRowAtIndexPath(this, indexPath);
}

void TableView::scrollToRowAtIndexPath(const IndexPath &indexPath)
{
    const int index = itemIndexForRow(indexPath);
    if (index < 0)
        return;
    // Measured first, the rows around the target keep their heights once shown, so the
    // offset chosen here is where the row stays.
    if (m_rowHeight == kAutomaticDimension)
        measureAround(index);
    const QRect r = rectForRowAtIndexPath(indexPath);
    QScrollBar *bar = verticalScrollBar();
    const int value = bar->value();
    if (r.top() < value)
        bar->setValue(r.top());
    else if (r.bottom() > value + viewport()->height())
        bar->setValue(r.bottom() - viewport()->height() + 1);
    layoutVisible();
}

void TableView::setPullToRefresh(std::function<void()> onRefresh)
{
    m_onPullRefresh = std::move(onRefresh);
    if (!m_pullHeader) {
        m_pullHeader = new PullRefreshHeader(viewport());
        m_pullHeader->hide();
    }
}

void TableView::endPullRefreshing()
{
    m_pullRefreshing = false;
    pullTo(0);
}

void TableView::pullTo(int distance)
{
    if (m_pull == distance)
        return;
    m_pull = distance;
    if (m_pullHeader && !m_pullRefreshing)
        m_pullHeader->showPull(distance);
    layoutVisible();
}

void TableView::releasePull()
{
    if (m_pull < PullRefreshHeader::kThreshold || !m_onPullRefresh) {
        pullTo(0);
        return;
    }
    m_pullRefreshing = true;
    m_pullHeader->showRefreshing();
    pullTo(PullRefreshHeader::kHeight);
    m_onPullRefresh();
}

bool TableView::hasRows() const
{
    return std::any_of(m_sections.cbegin(), m_sections.cend(),
                       [](const Section &s) { return s.rows > 0; });
}

void TableView::showEmptyState(const QString &image, const QString &text,
                               const QString &actionTitle, std::function<void()> action)
{
    if (!m_emptyState)
        m_emptyState = new EmptyStateView(viewport());
    m_emptyState->setContent(image, text, actionTitle, std::move(action));
    m_emptyState->show();
    reloadData();
}

void TableView::hideEmptyState()
{
    if (!m_emptyState || m_emptyState->isHidden())
        return;
    m_emptyState->hide();
    reloadData();
}

void TableView::sampleDrag(int y)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_dragSamples.append({now, y});
    // Only the last moments of a drag say how fast the finger let go.
    while (m_dragSamples.size() > 2 && now - m_dragSamples.first().first > 100)
        m_dragSamples.removeFirst();
}

void TableView::startKineticMotion()
{
    if (m_dragSamples.size() < 2 || !Animations::enabled())
        return;
    const auto [t0, y0] = m_dragSamples.first();
    const auto [t1, y1] = m_dragSamples.last();
    const double velocity = double(y0 - y1) / double(std::max<qint64>(1, t1 - t0));
    if (std::abs(velocity) < kMinFlick)
        return;
    m_velocity = std::clamp(velocity, -kMaxVelocity, kMaxVelocity);
    m_kinetic->start();
}

void TableView::kineticStep()
{
    QScrollBar *bar = verticalScrollBar();
    const int before = bar->value();
    scrollBy(int(std::lround(m_velocity * kKineticStepMs)));
    m_velocity *= kFriction;
    if (std::abs(m_velocity) < 0.05 || bar->value() == before)
        m_kinetic->stop();
}

void TableView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    // Self-sizing rows depend on the width: measure again.
    if (m_rowHeight == kAutomaticDimension)
        rebuildItems();
    updateScrollRange();
    layoutVisible();
}

void TableView::scrollContentsBy(int, int)
{
    layoutVisible();
}

void TableView::scrollBy(int dy)
{
    QScrollBar *bar = verticalScrollBar();
    const int wanted = bar->value() + dy;
    // Pulling past the end of the list asks for more.
    if (dy > 0 && wanted > bar->maximum() && m_loadMore && !m_loadMore->isRefreshing())
        m_loadMore->beginRefreshing();
    bar->setValue(wanted);
    userScrolled();
}

void TableView::userScrolled()
{
    if (!m_loadMore || m_loadMore->isRefreshing() || m_items.isEmpty())
        return;
    const Item &last = m_items.last();
    const int bottom = verticalScrollBar()->value() + viewport()->height();
    if (last.kind == ItemKind::LoadMore && last.top + last.height <= bottom &&
        verticalScrollBar()->maximum() > 0)
        m_loadMore->beginRefreshing();
}

void TableView::mousePressEvent(QMouseEvent *event)
{
    m_kinetic->stop(); // a touch stops a flung list
    m_dragSamples.clear();
    sampleDrag(event->position().toPoint().y());
    m_pressPos = event->position().toPoint();
    m_pressScroll = verticalScrollBar()->value();
    m_dragging = false;
    m_pressed = indexPathForRowAtPoint(m_pressPos);
    if (m_pressed)
        if (TableViewCell *cell = m_visibleCells.value(*m_pressed))
            cell->setHighlighted(true);
    event->accept();
}

void TableView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int dy = m_pressPos.y() - event->position().toPoint().y();
    if (!m_dragging && std::abs(dy) > kDragThreshold) {
        m_dragging = true;
        if (m_pressed)
            if (TableViewCell *cell = m_visibleCells.value(*m_pressed))
                cell->setHighlighted(false);
    }
    if (!m_dragging)
        return;
    sampleDrag(event->position().toPoint().y());
    const int wanted = m_pressScroll + dy;
    if (m_onPullRefresh && !m_pullRefreshing)
        pullTo(wanted < 0 ? std::min(-wanted / 2, 2 * PullRefreshHeader::kThreshold) : 0);
    scrollBy(wanted - verticalScrollBar()->value());
}

void TableView::mouseReleaseEvent(QMouseEvent *event)
{
    const auto pressed = m_pressed;
    m_pressed.reset();
    if (pressed)
        if (TableViewCell *cell = m_visibleCells.value(*pressed))
            cell->setHighlighted(false);
    if (m_dragging) {
        m_dragging = false;
        if (m_pull > 0 && !m_pullRefreshing)
            releasePull();
        else
            startKineticMotion();
        return;
    }
    const auto released = indexPathForRowAtPoint(event->position().toPoint());
    if (pressed && released && *pressed == *released)
        tapRowAtIndexPath(*pressed);
}

void TableView::wheelEvent(QWheelEvent *event)
{
    const int dy = -event->angleDelta().y() / 2;
    if (dy != 0)
        scrollBy(dy);
    event->accept();
}
