// The table view: cell reuse, heights, selection and the load-more footer.
#include "AlertController.h"
#include "AppConfig.h"
#include "GatewayClient.h"
#include "LoadMoreFooter.h"
#include "PagedList.h"
#include "PhoneWindow.h"
#include "RawHttpServer.h"
#include "RootViewController.h"
#include "ServerChange.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "TestGateway.h"

#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

namespace {

// A paged list's record, one field is enough.
class PageRecord
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)

public:
    QString id;
};

// An answer of `count` records, whatever was asked.
QByteArray pageOf(int count)
{
    QByteArray records;
    for (int i = 0; i < count; ++i)
        records += (i ? ",{\"id\":\"" : "{\"id\":\"") + QByteArray::number(i) + "\"}";
    return R"([{"flag":"1","data":{"record1":[)" + records + "]}}]";
}

PagedQuery pagedQuery(int pageSize)
{
    PagedQuery query;
    query.code = QStringLiteral("164021");
    query.pageSize = pageSize;
    return query;
}

// A screen that sends its own enquiry, with the network alert a failure shows by default.
class EnquiringScreen final : public RootViewController
{
public:
    void enquire()
    {
        sendRequest(QStringLiteral("164021"), {}, ParamsExt(), [](auto &) {});
    }
    void act()
    {
        sendAction(QStringLiteral("168003"), {}, [](auto &) {});
    }
    void change()
    {
        m_change.sendAction(QStringLiteral("168003"), {}, [](auto &, auto &) {});
    }

private:
    ServerChange m_change{this};
};

// A cell that counts how often it was prepared for reuse.
class NumberCell final : public TableViewCell
{
    Q_OBJECT

public:
    static inline const QString kReuseIdentifier = QStringLiteral("row");
    NumberCell() : TableViewCell(kReuseIdentifier, CellStyle::Default) {}
    void prepareForReuse() override
    {
        TableViewCell::prepareForReuse();
        ++prepared;
    }
    int prepared = 0;
};

// Another class under the same identifier, which must never be handed out as a NumberCell.
class OtherCell final : public TableViewCell
{
    Q_OBJECT

public:
    OtherCell() : TableViewCell(NumberCell::kReuseIdentifier) {}
};

class NumberList final : public TableViewDataSource, public TableViewDelegate
{
public:
    int rows = 1000;
    int madeCells = 0;
    int dequeued = 0;
    QList<IndexPath> selected;
    bool tallEveryTenth = false;
    bool strangerAtTop = false; // row 0 is an OtherCell

    int numberOfRowsInSection(TableView *, int) override { return rows; }

    TableViewCell *cellForRowAtIndexPath(TableView *table, const IndexPath &path) override
    {
        if (strangerAtTop && path.row == 0)
            return new OtherCell;
        NumberCell *cell = table->dequeueReusableCell<NumberCell>();
        if (cell->parentWidget() == nullptr)
            ++madeCells;
        else
            ++dequeued;
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

    // A server that sends more than a page asked for does not grow the list past it.
    void pagesKeepAtMostTheirSize_data()
    {
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("kept");
        // clang-format off
        QTest::newRow("more than asked") << 7 << 3;
        QTest::newRow("as asked")        << 3 << 3;
        QTest::newRow("fewer")           << 2 << 2;
        // clang-format on
    }

    void pagesKeepAtMostTheirSize()
    {
        QFETCH(int, sent);
        QFETCH(int, kept);
        RawHttpServer server;
        AppConfig::setGatewayBaseUrl(server.baseUrl());
        server.answerWith({200, pageOf(sent), {}});
        auto *screen = qobject_cast<RootViewController *>(m_table->parentWidget());
        PagedList<PageRecord> list(screen, m_table, pagedQuery(3));
        list.loadFirstPage();
        QTRY_COMPARE(server.received().size(), 1);
        QTRY_COMPARE(list.size(), kept);
        list.loadNextPage();
        QTRY_COMPARE(list.size(), 2 * kept);
        QCOMPARE(list.records().last().id, QString::number(kept - 1));
    }

    // Every failure says something true: the network alert when the server cannot be
    // reached, another when it answered with something that is not an answer.
    void failureAlerts_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<qint64>("padding");
        QTest::addColumn<QString>("alert");
        // clang-format off
        QTest::newRow("server error") << 500 << QByteArray("[]") << qint64(0) << "您还没有连接到网络";
        QTest::newRow("not JSON")     << 200 << QByteArray("<html>") << qint64(0) << "服务器返回的数据有误，请稍后再试";
        QTest::newRow("no envelope")  << 200 << QByteArray(R"({"flag":"1"})") << qint64(0) << "服务器返回的数据有误，请稍后再试";
        QTest::newRow("too large")    << 200 << QByteArray("[]") << GatewayClient::kMaxAnswerBytes << "服务器返回的数据有误，请稍后再试";
        // clang-format on
    }

    void failureAlerts()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(qint64, padding);
        QFETCH(QString, alert);
        RawHttpServer server;
        AppConfig::setGatewayBaseUrl(server.baseUrl());
        server.answerWith({status, body, {}, padding});

        auto *screen = qobject_cast<RootViewController *>(m_table->parentWidget());
        PagedList<PageRecord> list(screen, m_table, pagedQuery(10));
        list.loadFirstPage();
        QTRY_VERIFY(AlertController::frontMost(screen));
        QCOMPARE(AlertController::frontMost(screen)->message(), alert);
        QVERIFY(AlertController::frontMost(screen)->tapAction("取消"));
        QTRY_VERIFY(!AlertController::frontMost(screen));

        auto *enquiring = new EnquiringScreen;
        m_window->setRootViewController(enquiring);
        enquiring->enquire();
        QTRY_VERIFY(AlertController::frontMost(enquiring));
        QCOMPARE(AlertController::frontMost(enquiring)->message(), alert);
        QVERIFY(AlertController::frontMost(enquiring)->tapAction("取消"));
        QTRY_VERIFY(!AlertController::frontMost(enquiring));

        enquiring->change();
        QTRY_VERIFY(AlertController::frontMost(enquiring));
        QCOMPARE(AlertController::frontMost(enquiring)->message(), alert);
    }

    void refusalsWithoutWordsSaySo_data()
    {
        QTest::addColumn<bool>("asChange");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("alert");
        // clang-format off
        QTest::newRow("enquiry, no prompt")  << false << QByteArray(R"([{"flag":"0"}])") << "操作失败，请稍后再试";
        QTest::newRow("change, blank")       << true  << QByteArray(R"([{"flag":"0","prompt":" "}])") << "操作失败，请稍后再试";
        QTest::newRow("change, its words")   << true  << QByteArray(R"([{"flag":"0","prompt":"已预约"}])") << "已预约";
        // clang-format on
    }

    void refusalsWithoutWordsSaySo()
    {
        QFETCH(bool, asChange);
        QFETCH(QByteArray, body);
        QFETCH(QString, alert);
        RawHttpServer server;
        AppConfig::setGatewayBaseUrl(server.baseUrl());
        server.answerWith({200, body, {}});
        auto *screen = new EnquiringScreen;
        m_window->setRootViewController(screen);
        asChange ? screen->change() : screen->act();
        QTRY_VERIFY(AlertController::frontMost(screen));
        QCOMPARE(AlertController::frontMost(screen)->message(), alert);
    }

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
        for (const int row : {150, 20, 199, 0}) {
            m_table->scrollToRowAtIndexPath({0, row});
            TableViewCell *cell = m_table->cellForRowAtIndexPath({0, row});
            QVERIFY(cell);
            QVERIFY(m_table->viewport()->rect().contains(cell->geometry()));
        }
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

    void reusedCellsArePreparedAndCarryNoSelection()
    {
        m_list.rows = 100;
        m_table->reloadData();
        m_table->cellForRowAtIndexPath({0, 1})->setHighlighted(true);
        m_table->selectRowAtIndexPath({0, 2});
        m_table->verticalScrollBar()->setValue(44 * 40);
        int prepared = 0;
        for (TableViewCell *cell : m_table->visibleCells()) {
            QVERIFY(!cell->isSelected());
            QVERIFY(!cell->isHighlighted());
            prepared += static_cast<NumberCell *>(cell)->prepared;
        }
        QCOMPARE(prepared, m_list.dequeued); // every dequeue prepared its cell
        QVERIFY(m_list.dequeued > 0);
        // Back at the selected row, its cell shows the selection again.
        m_table->verticalScrollBar()->setValue(0);
        QVERIFY(m_table->cellForRowAtIndexPath({0, 2})->isSelected());
        QVERIFY(!m_table->cellForRowAtIndexPath({0, 1})->isHighlighted());
    }

    void aCellOfAnotherClassIsNotHandedOut()
    {
        m_list.rows = 3;
        m_list.strangerAtTop = true;
        m_table->reloadData();
        m_list.strangerAtTop = false;
        // The stranger is recycled under the shared identifier and skipped when dequeued.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("OtherCell waits under"));
        m_table->reloadData();
        for (TableViewCell *cell : m_table->visibleCells())
            QVERIFY(qobject_cast<NumberCell *>(cell));
    }

    void shrinkingAScrolledListShowsItsLastRows()
    {
        m_table->reloadData();
        m_table->verticalScrollBar()->setValue(44 * 900);
        m_list.rows = 12;
        m_table->reloadData();
        const QList<IndexPath> visible = m_table->indexPathsForVisibleRows();
        QVERIFY(!visible.isEmpty());
        QCOMPARE(visible.last().row, 11);
        QCOMPARE(m_table->cellForRowAtIndexPath({0, 11})->texts(), QStringList{"第11行"});
        QCOMPARE(m_table->verticalScrollBar()->value(), 12 * 44 - 440);
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
