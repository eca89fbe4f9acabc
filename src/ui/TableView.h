#pragma once

#include "IndexPath.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QPointer>
#include <functional>
#include <optional>

class EmptyStateView;
class LoadMoreFooter;
class PullRefreshHeader;
class QTimer;
class TableView;
class TableViewCell;

// Supplies a table's rows. Cells come from dequeueReusableCellWithIdentifier when the
// table has one to reuse, otherwise the data source makes a new one.
class TableViewDataSource
{
public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSectionsInTableView(TableView *) { return 1; }
    virtual int numberOfRowsInSection(TableView *tableView, int section) = 0;
    virtual TableViewCell *cellForRowAtIndexPath(TableView *tableView,
                                                 const IndexPath &indexPath) = 0;
};

// Heights, section headers and selection. A height of -1 takes the table's default; a
// section footer is only space.
class TableViewDelegate
{
public:
    virtual ~TableViewDelegate() = default;
    virtual int heightForRowAtIndexPath(TableView *, const IndexPath &) { return -1; }
    virtual int heightForHeaderInSection(TableView *, int) { return -1; }
    virtual int heightForFooterInSection(TableView *, int) { return -1; }
    // A new widget each time it is asked; the table deletes it once it scrolls away.
    virtual QWidget *viewForHeaderInSection(TableView *, int) { return nullptr; }
    virtual void didSelectRowAtIndexPath(TableView *, const IndexPath &) {}
};

// A scrolling list of sections and rows in which only the visible rows exist as widgets:
// cells that scroll out are kept by reuse identifier and handed out again.
class TableView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum class Style
    {
        Plain,
        Grouped
    };
    static constexpr int kAutomaticDimension = -1;

    explicit TableView(QWidget *parent = nullptr, Style style = Style::Plain);
    ~TableView() override;

    void setDataSource(TableViewDataSource *dataSource) { m_dataSource = dataSource; }
    void setDelegate(TableViewDelegate *delegate) { m_delegate = delegate; }
    Style style() const { return m_style; }
    void setStyle(Style style);

    // Fixed row height, or kAutomaticDimension: each cell's own height, estimated until shown.
    void setRowHeight(int height);
    void setEstimatedRowHeight(int height) { m_estimatedRowHeight = height; }
    void setSectionHeaderHeight(int height) { m_sectionHeaderHeight = height; }
    void setSectionFooterHeight(int height) { m_sectionFooterHeight = height; }
    void setSeparatorsVisible(bool visible) { m_separators = visible; }

    void setTableHeaderView(QWidget *view);
    QWidget *tableHeaderView() const { return m_tableHeader; }
    void setTableFooterView(QWidget *view);
    QWidget *tableFooterView() const { return m_tableFooter; }

    // The load-more footer at the end of the list; onRefresh is the screen's footerRereshing.
    LoadMoreFooter *addLoadMoreFooter(std::function<void()> onRefresh);
    LoadMoreFooter *loadMoreFooter() const { return m_loadMore; }

    // Pulling the list down past its first row and letting go runs onRefresh; the header
    // says so until endPullRefreshing.
    void setPullToRefresh(std::function<void()> onRefresh);
    bool isPullRefreshing() const { return m_pullRefreshing; }
    void endPullRefreshing();

    // Shown over the list while it has no rows, in place of the load-more footer.
    void showEmptyState(const QString &image, const QString &text, const QString &actionTitle,
                        std::function<void()> action);
    void hideEmptyState();
    EmptyStateView *emptyStateView() const { return m_emptyState; }

    void reloadData();
    // A cell waiting for reuse under that identifier, prepared for reuse, or null.
    TableViewCell *dequeueReusableCellWithIdentifier(const QString &identifier);
    // A cell to fill: one waiting for reuse under its class's kReuseIdentifier, or a new one.
    // A pooled cell of another class under that identifier is never handed out as this one.
    template <class Cell> Cell *dequeueReusableCell()
    {
        if (TableViewCell *pooled = takeFromPool(Cell::kReuseIdentifier, &Cell::staticMetaObject))
            return static_cast<Cell *>(pooled);
        return new Cell;
    }

    int numberOfSections() const { return int(m_sections.size()); }
    int numberOfRowsInSection(int section) const;
    // The cell shown for that row, or nothing when the row is not on screen.
    TableViewCell *cellForRowAtIndexPath(const IndexPath &indexPath) const;
    QList<TableViewCell *> visibleCells() const;
    QList<IndexPath> indexPathsForVisibleRows() const;
    QRect rectForRowAtIndexPath(const IndexPath &indexPath) const; // in content coordinates
    std::optional<IndexPath> indexPathForRowAtPoint(const QPoint &viewportPoint) const;

    std::optional<IndexPath> indexPathForSelectedRow() const { return m_selected; }
    void selectRowAtIndexPath(const IndexPath &indexPath);
    void deselectRowAtIndexPath(const IndexPath &indexPath, bool animated);
    // As a tap would: select, then tell the delegate.
    void tapRowAtIndexPath(const IndexPath &indexPath);

    void scrollToRowAtIndexPath(const IndexPath &indexPath);
    int contentHeight() const { return m_contentHeight; }
    // How many cell widgets exist in all (shown and waiting for reuse).
    int createdCellCount() const { return m_createdCells; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    enum class ItemKind
    {
        TableHeader,
        SectionHeader,
        Row,
        SectionFooter,
        TableFooter,
        LoadMore
    };
    struct Item
    {
        ItemKind kind;
        int section;
        int row;
        int top;
        int height;
        bool measured;
    };
    struct Section
    {
        int rows = 0;
        int firstItem = 0; // index of the section's first row item in m_items
    };

    using ItemIterator = QList<Item>::iterator;

    void rebuildItems();
    void recomputeTops();
    void updateScrollRange();
    int rowHeightFor(const IndexPath &path) const;
    int headerHeightFor(int section) const;
    int footerHeightFor(int section) const;
    int itemIndexForRow(const IndexPath &path) const;

    // Laying out what the viewport shows.
    void layoutVisible();
    std::pair<ItemIterator, ItemIterator> itemsBetween(int top, int bottom);
    void recycleRowsOutside(ItemIterator first, ItemIterator last);
    bool placeItems(ItemIterator first, ItemIterator last, int offset);
    void hideViewsOutside(ItemIterator first, ItemIterator last);
    // A self-sizing row's height at the viewport's width; true when it changed.
    bool measure(Item &item, QWidget *widget);
    void measureAround(int index);

    QWidget *widgetForItem(const Item &item);
    TableViewCell *cellFromDataSource(const IndexPath &path);
    TableViewCell *takeFromPool(const QString &identifier, const QMetaObject *type);
    void recycle(TableViewCell *cell);
    void dropSectionHeaders();
    void userScrolled();
    void scrollBy(int dy);
    bool hasRows() const;
    // The drag's pull past the first row, rubber-banded; refreshes past the threshold.
    void pullTo(int distance);
    void releasePull();
    void sampleDrag(int y);
    void startKineticMotion();
    void kineticStep();

    TableViewDataSource *m_dataSource = nullptr;
    TableViewDelegate *m_delegate = nullptr;
    Style m_style;
    int m_rowHeight = 44;
    int m_estimatedRowHeight = 44;
    int m_sectionHeaderHeight = 0;
    int m_sectionFooterHeight = 0;
    bool m_separators = true;

    QPointer<QWidget> m_tableHeader;
    QPointer<QWidget> m_tableFooter;
    LoadMoreFooter *m_loadMore = nullptr;
    PullRefreshHeader *m_pullHeader = nullptr;
    std::function<void()> m_onPullRefresh;
    int m_pull = 0; // how far the content is moved down by a pull
    bool m_pullRefreshing = false;
    EmptyStateView *m_emptyState = nullptr;
    QTimer *m_kinetic;
    QList<std::pair<qint64, int>> m_dragSamples; // time (ms), finger y
    double m_velocity = 0; // points per millisecond, positive downwards in the content

    QList<Section> m_sections;
    QList<Item> m_items;
    int m_contentHeight = 0;

    QHash<IndexPath, TableViewCell *> m_visibleCells;
    QMultiHash<QString, TableViewCell *> m_reusePool;
    QHash<int, QPointer<QWidget>> m_sectionHeaders; // by section
    int m_createdCells = 0;
    bool m_inLayout = false;

    std::optional<IndexPath> m_selected;
    std::optional<IndexPath> m_pressed;
    QPoint m_pressPos;
    int m_pressScroll = 0;
    bool m_dragging = false;
};
