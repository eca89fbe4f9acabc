// The table view: cell reuse, heights, selection and the load-more footer.
#include "LoadMoreFooter.h"
#include "PhoneWindow.h"
#include "RootViewController.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "TestGateway.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

class NumberList : public TableViewDataSource, public TableViewDelegate
{
public:
    int rows = 1000;
    int madeCells = 0;
    QList<IndexPath> selected;
    bool tallEveryTenth = false;

    int numberOfRowsInSection(TableView *, int) override { return rows; }

    TableViewCell *cellForRowAtIndexPath(TableView *table, const IndexPath &path) override
    {
        auto *cell = static_cast<TableViewCell *>(table->dequeueReusableCellWithIdentifier("row"));
        if (!cell) {
            cell = new TableViewCell("row", TableViewCell::CellStyle::Default);
            ++madeCells;
        }
        cell->textLabel()->setText(QString("第%1行").arg(path.row));
        cell->setMinimumHeight(tallEveryTenth && path.row % 10 == 0 ? 90 : 44);
        return cell;
    }

    void didSelectRowAtIndexPath(TableView *, const IndexPath &path) override
    {
        selected.append(path);
    }
};

} // namespace

class TestUiTable : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_list = NumberList();
        m_window = new PhoneWindow;
        auto *screen = new RootViewController;
        m_window->setRootViewController(screen);
        m_table = new TableView(screen);
        m_table->setGeometry(0, 0, 320, 440);
        m_table->setDataSource(&m_list);
        m_table->setDelegate(&m_list);
        m_table->show();
        m_window->show();
    }

    void cleanup() { delete m_window; }

    void thousandRowsCreateOnlyTheVisibleCells()
    {
        m_table->reloadData();
        const int visible = 440 / 44 + 2;
        QVERIFY(m_list.madeCells <= visible);
        QCOMPARE(m_table->contentHeight(), 1000 * 44);
        QScrollBar *bar = m_table->verticalScrollBar();
        for (int y = 0; y <= bar->maximum(); y += 137)
            bar->setValue(y);
        bar->setValue(bar->maximum());
        QVERIFY2(m_list.madeCells <= visible + 1, qPrintable(QString::number(m_list.madeCells)));
        QVERIFY(m_table->createdCellCount() <= visible + 1);
        QVERIFY(m_table->cellForRowAtIndexPath({0, 999}));
        QCOMPARE(m_table->cellForRowAtIndexPath({0, 999})->texts(), QStringList{"第999行"});
        QVERIFY(!m_table->cellForRowAtIndexPath({0, 0}));
    }

    void selfSizingRowsTakeTheirOwnHeight()
    {
        m_list.rows = 30;
        m_list.tallEveryTenth = true;
        m_table->setRowHeight(TableView::kAutomaticDimension);
        m_table->setEstimatedRowHeight(44);
        m_table->reloadData();
        QCOMPARE(m_table->rectForRowAtIndexPath({0, 0}).height(), 90);
        QCOMPARE(m_table->rectForRowAtIndexPath({0, 1}).top(), 90);
    }

    void scrollingToAFarSelfSizingRowShowsIt()
    {
        m_list.rows = 200;
        m_list.tallEveryTenth = true;
        m_table->setRowHeight(TableView::kAutomaticDimension);
        m_table->setEstimatedRowHeight(44);
        m_table->reloadData();
        m_table->scrollToRowAtIndexPath({0, 150});
        TableViewCell *cell = m_table->cellForRowAtIndexPath({0, 150});
        QVERIFY(cell);
        QVERIFY(m_table->viewport()->rect().contains(cell->geometry()));
    }

    void tapSelectsTheRowUnderTheFinger()
    {
        m_list.rows = 20;
        m_table->reloadData();
        TableViewCell *cell = m_table->cellForRowAtIndexPath({0, 3});
        QVERIFY(cell);
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(50, 20));
        QCOMPARE(m_list.selected, (QList<IndexPath>{IndexPath{0, 3}}));
        QVERIFY(m_table->indexPathForSelectedRow().has_value());
        m_table->deselectRowAtIndexPath({0, 3}, false);
        QVERIFY(!cell->isSelected());
    }

    void dragScrollsInsteadOfSelecting()
    {
        m_list.rows = 100;
        m_table->reloadData();
        QWidget *vp = m_table->viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(100, 300));
        QTest::mouseMove(vp, QPoint(100, 200));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(m_list.selected.isEmpty());
        QVERIFY(m_table->verticalScrollBar()->value() > 0);
    }

    void pullingPastTheEndAsksForMore()
    {
        m_list.rows = 25;
        int pulls = 0;
        LoadMoreFooter *footer = m_table->addLoadMoreFooter([&pulls]() { ++pulls; });
        m_table->reloadData();
        QScrollBar *bar = m_table->verticalScrollBar();
        QCOMPARE(pulls, 0); // showing the list is not a pull
        QTest::mousePress(m_table->viewport(), Qt::LeftButton, {}, QPoint(100, 400));
        for (int y = 390; y > -900; y -= 30)
            QTest::mouseMove(m_table->viewport(), QPoint(100, y));
        QTest::mouseRelease(m_table->viewport(), Qt::LeftButton, {}, QPoint(100, -900));
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(pulls, 1); // refreshing: further pulls wait
        QVERIFY(footer->isRefreshing());
        footer->endRefreshing();
        QWheelEvent wheel(QPointF(50, 50), m_table->viewport()->mapToGlobal(QPointF(50, 50)), {},
                          QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_table->viewport(), &wheel);
        QCOMPARE(pulls, 2); // a page shorter than ten still allows another pull
    }

    void reloadShowsNewRows()
    {
        m_list.rows = 2;
        m_table->reloadData();
        QCOMPARE(m_table->indexPathsForVisibleRows().size(), 2);
        m_list.rows = 5;
        m_table->reloadData();
        QCOMPARE(m_table->indexPathsForVisibleRows().size(), 5);
        QCOMPARE(m_table->cellForRowAtIndexPath({0, 4})->texts(), QStringList{"第4行"});
    }

private:
    TestGateway m_gateway;
    NumberList m_list;
    PhoneWindow *m_window = nullptr;
    TableView *m_table = nullptr;
};

QTEST_MAIN(TestUiTable)
#include "test_ui_table.moc"
