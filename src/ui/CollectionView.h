#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QMargins>
#include <QMultiHash>
#include <QPointer>
#include <QSize>
#include <optional>

class CollectionView;
class TableViewCell;

// Supplies a grid's items; cells are reused exactly as in TableView.
class CollectionViewDataSource
{
public:
    virtual ~CollectionViewDataSource() = default;
    virtual int numberOfItemsInCollectionView(CollectionView *collectionView) = 0;
    virtual TableViewCell *cellForItemAtIndex(CollectionView *collectionView, int index) = 0;
    virtual void didSelectItemAtIndex(CollectionView *, int) {}
};

// A vertically scrolling grid of equal items (the points catalogue's two columns), in
// which only the visible items exist as widgets.
class CollectionView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CollectionView(QWidget *parent = nullptr);

    void setDataSource(CollectionViewDataSource *dataSource) { m_dataSource = dataSource; }
    // Columns across; items keep this height and share the width less the spacing.
    void setLayout(int columns, int itemHeight, int spacing);
    // A flow layout of items of one size inside the section's insets: as many columns as fit,
    // the width left over spread between them, rows one under the other.
    void setItemSize(const QSize &size, const QMargins &sectionInset);
    // A view above the items that scrolls with them, at its own height and the grid's width.
    void setHeaderView(QWidget *view);
    QWidget *headerView() const { return m_header; }
    void reloadData();
    TableViewCell *dequeueReusableCellWithIdentifier(const QString &identifier);
    // A cell to fill: one waiting for reuse under its class's kReuseIdentifier, or a new one.
    template <class Cell> Cell *dequeueReusableCell()
    {
        if (TableViewCell *pooled = takeFromPool(Cell::kReuseIdentifier, &Cell::staticMetaObject))
            return static_cast<Cell *>(pooled);
        return new Cell;
    }

    int numberOfItems() const { return m_count; }
    TableViewCell *cellForItemAtIndex(int index) const { return m_visible.value(index); }
    QRect rectForItemAtIndex(int index) const; // in content coordinates
    std::optional<int> indexForItemAtPoint(const QPoint &viewportPoint) const;
    void tapItemAtIndex(int index);
    int createdCellCount() const { return m_created; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void layoutVisible();
    int rows() const;
    int columns() const;
    int itemWidth() const;
    int headerHeight() const;
    int itemsTop() const { return headerHeight() + m_inset.top(); }
    TableViewCell *takeFromPool(const QString &identifier, const QMetaObject *type);

    CollectionViewDataSource *m_dataSource = nullptr;
    int m_columns = 2;
    int m_itemHeight = 200;
    int m_itemWidth = 0; // 0: the columns share the width
    int m_spacing = 8;   // between rows, and between columns sharing the width
    QMargins m_inset{8, 8, 8, 8};
    QPointer<QWidget> m_header;
    QPoint m_pressPos;
    int m_pressScroll = 0;
    bool m_dragging = false;
    int m_count = 0;
    int m_created = 0;
    QHash<int, TableViewCell *> m_visible;
    QMultiHash<QString, TableViewCell *> m_pool;
};
