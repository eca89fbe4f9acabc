#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QMultiHash>
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
    void reloadData();
    TableViewCell *dequeueReusableCellWithIdentifier(const QString &identifier);

    int numberOfItems() const { return m_count; }
    TableViewCell *cellForItemAtIndex(int index) const { return m_visible.value(index); }
    QRect rectForItemAtIndex(int index) const; // in content coordinates
    std::optional<int> indexForItemAtPoint(const QPoint &viewportPoint) const;
    void tapItemAtIndex(int index);
    int createdCellCount() const { return m_created; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void layoutVisible();
    int rows() const;

    CollectionViewDataSource *m_dataSource = nullptr;
    int m_columns = 2;
    int m_itemHeight = 200;
    int m_spacing = 8;
    int m_count = 0;
    int m_created = 0;
    QHash<int, TableViewCell *> m_visible;
    QMultiHash<QString, TableViewCell *> m_pool;
};
