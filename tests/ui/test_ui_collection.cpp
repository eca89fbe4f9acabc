// The grid: two columns of reused cells.
#include "CollectionView.h"
#include "TableViewCell.h"
#include "TestGateway.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

class Gifts : public CollectionViewDataSource
{
public:
    int count = 100;
    QList<int> tapped;

    int numberOfItemsInCollectionView(CollectionView *) override { return count; }
    TableViewCell *cellForItemAtIndex(CollectionView *grid, int index) override
    {
        auto *cell = grid->dequeueReusableCellWithIdentifier("gift");
        if (!cell)
            cell = new TableViewCell("gift", TableViewCell::CellStyle::Default);
        cell->textLabel()->setText(QString("礼品%1").arg(index));
        return cell;
    }
    void didSelectItemAtIndex(CollectionView *, int index) override { tapped.append(index); }
};

} // namespace

class TestUiCollection : public QObject
{
    Q_OBJECT

private slots:
    void onlyVisibleItemsExistAndTapsFindTheirItem()
    {
        Gifts gifts;
        CollectionView grid;
        grid.resize(320, 400);
        grid.setDataSource(&gifts);
        grid.setLayout(2, 180, 8);
        grid.show();
        // Two rows and a part of a third are on screen: at most six cells.
        QVERIFY(grid.createdCellCount() <= 6);
        QCOMPARE(grid.rectForItemAtIndex(1).left(), 8 + grid.rectForItemAtIndex(0).width() + 8);
        QCOMPARE(grid.rectForItemAtIndex(2).top(), 8 + 180 + 8);

        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
        QVERIFY(grid.createdCellCount() <= 8);
        QVERIFY(grid.cellForItemAtIndex(99));
        QCOMPARE(grid.cellForItemAtIndex(99)->texts(), QStringList{"礼品99"});
        QVERIFY(!grid.cellForItemAtIndex(0));

        const QRect r =
            grid.rectForItemAtIndex(99).translated(0, -grid.verticalScrollBar()->value());
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(gifts.tapped, QList<int>{99});
        // The gap between two items is nobody's.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          QPoint(r.left() - 4, r.center().y()));
        QCOMPARE(gifts.tapped.size(), 1);
    }

    void oddCountLeavesTheLastRowHalfFull()
    {
        Gifts gifts;
        gifts.count = 3;
        CollectionView grid;
        grid.resize(320, 800);
        grid.setDataSource(&gifts);
        grid.setLayout(2, 100, 10);
        grid.show();
        QCOMPARE(grid.numberOfItems(), 3);
        QVERIFY(grid.cellForItemAtIndex(2));
        QVERIFY(!grid.indexForItemAtPoint(grid.rectForItemAtIndex(1).translated(0, 110).center()));
    }

private:
    TestGateway m_gateway;
};

QTEST_MAIN(TestUiCollection)
#include "test_ui_collection.moc"
