// The points screen, its filter screen and the static standings screen against the demo
// gateway: what they ask for and in which order, the header, the grid and the history, and
// the filter's choices coming back to the grid.
#include "BaseNavigationViewController.h"
#include "CollectionView.h"
#include "NavigationItem.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "PointsScreens.h"
#include "QZCollectionViewController.h"
#include "QZStandingsViewController.h"
#include "QZTypeViewController.h"
#include "ScreenFixture.h"
#include "TableView.h"
#include "TableViewCell.h"

#include <QJsonArray>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace ScreenProbe;

namespace {

QStringList giftNames(const QList<ScoreModel> &gifts)
{
    QStringList names;
    for (const ScoreModel &gift : gifts)
        names.append(gift.lpmc);
    return names;
}

} // namespace

class TestPointsScreens final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerPointsScreens();
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
    }
    void cleanup() { m_phone.reset(); }

    // The header for a customer who redeemed, one who never did, and a visitor with no account.
    void loadsOnceInOrderAndFillsTheHeader_data()
    {
        QTest::addColumn<QString>("khbh");
        QTest::addColumn<QString>("available");
        QTest::addColumn<QString>("consumed");
        QTest::addColumn<int>("movements");
        // clang-format off
        QTest::newRow("customer who redeemed")  << "100001" << "5890分" << "660分" << 8;
        QTest::newRow("never redeemed: 0分")    << "100002" << "800分" << "0分" << 1;
        QTest::newRow("visitor: no account")    << "" << "--分" << "--分" << 0;
        // clang-format on
    }

    void loadsOnceInOrderAndFillsTheHeader()
    {
        QFETCH(QString, khbh);
        QFETCH(QString, available);
        QFETCH(QString, consumed);
        QFETCH(int, movements);
        if (!khbh.isEmpty())
            m_phone->signIn(khbh);
        QSignalSpy requests(&m_phone->gateway(), &DemoGateway::requestReceived);
        auto *points = m_phone->push(new QZCollectionViewController);
        QCOMPARE(points->title(), QString("积分管理"));
        QTRY_COMPARE(requests.size(), 3);
        QCOMPARE(postedNames(requests), (QStringList{"170003", "170008", "170006"})); // the codes
        QTRY_COMPARE(points->jflsdataArray().size(), movements);
        QTRY_COMPARE(text(points, "ysyjfLabel"), consumed);
        QCOMPARE(text(points, "kyjf1Label"), available);
        QCOMPARE(text(points, "kyjf2Label"), available);
        QCOMPARE(m_phone->sent("170003").first().params, QJsonObject());
        QCOMPARE(m_phone->sent("170006").first().params, (QJsonObject{{"khbh", khbh}}));
        const SentRequest history = m_phone->sent("170008").first();
        QCOMPARE(history.params, (QJsonObject{{"khbh", khbh}}));
        QCOMPARE(history.paramsExt, (QJsonObject{{"row_count", "1000"},
                                                 {"row_offset", "0"},
                                                 {"orderby", QJsonObject{{"w_rq", "desc"}}}}));
        QTRY_COMPARE(points->jfspdataArray().size(), 14); // the gifts on the shelf
    }

    void gridShowsTwoColumnsUnderTheHeader()
    {
        auto *points = m_phone->push(new QZCollectionViewController);
        auto *grid = points->findChild<CollectionView *>("collectionView");
        QTRY_COMPARE(grid->numberOfItems(), 14);
        QCOMPARE(grid->headerView(), points->findChild<QWidget *>("headView"));
        const int w = points->width();
        const QRect first = grid->rectForItemAtIndex(0);
        QCOMPARE(first, QRect(5, grid->headerView()->height(), (w - 20) / 2, (w + 30) / 2));
        QCOMPARE(grid->rectForItemAtIndex(1).right(), grid->viewport()->width() - 5 - 1);
        QCOMPARE(grid->rectForItemAtIndex(2).top(), first.bottom() + 1);
        TableViewCell *cell = grid->cellForItemAtIndex(0);
        QCOMPARE(text(cell, "lpmcLabel"), QString("定制书签套装"));
        QCOMPARE(text(cell, "pointLabel"), QString("15积分"));
        QCOMPARE(text(cell, "scjgLabel"), QString("市场价：30元"));

        // A chosen gift's cell is painted red; nothing is asked of the server.
        const int sent = m_phone->sent("170003").size();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->rectForItemAtIndex(1).center() -
                              QPoint(0, grid->verticalScrollBar()->value()));
        QCOMPARE(grid->cellForItemAtIndex(1)->grab().toImage().pixelColor(1, 1), QColor(Qt::red));
        QVERIFY(grid->cellForItemAtIndex(0)->grab().toImage().pixelColor(1, 1) != Qt::red);
        QCOMPARE(m_phone->sent("170003").size(), sent);
    }

    void historySegmentListsTheMovements()
    {
        m_phone->signIn();
        auto *points = m_phone->push(new QZCollectionViewController);
        auto *history = points->findChild<TableView *>("rightTableView");
        QTRY_COMPARE(history->numberOfRowsInSection(0), 8);
        QVERIFY(!history->isVisible());
        QVERIFY(tap(points, "segment1"));
        QVERIFY(history->isVisible());
        QVERIFY(!points->findChild<QWidget *>("collectionView")->isVisible());
        QVERIFY(!points->navigationItem()->rightWidget()->isVisible()); // no "类型" here
        int adjustment = -1;
        for (int row = 0; row < points->jflsdataArray().size(); ++row) {
            if (points->jflsdataArray().at(row).w_jf == "-30")
                adjustment = row;
        }
        TableViewCell *cell = cellAt(history, adjustment);
        QCOMPARE(text(cell, "dhrqLabel"), QString("操作日期："));
        QCOMPARE(text(cell, "czrqLabel"), QString("2025-10-20"));
        QCOMPARE(text(cell, "dhfsLabel"), QString("手动调整"));
        QCOMPARE(text(cell, "hdjfLabel"), QString("失去积分：-30"));
        QCOMPARE(text(cellAt(history, 0), "dhrqLabel"), QString("兑换日期：")); // newest first
        QVERIFY(tap(points, "segment0"));
        QVERIFY(points->navigationItem()->rightWidget()->isVisible());
    }

    // The filter screen's choices come back as one filtering of the grid as it stands.
    void filterChoicesFilterTheGrid_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QList<qint64>>("indexes");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<int>("count");
        // clang-format off
        QTest::newRow("nothing touched: by quantity as text") << QStringList() << QList<qint64>{-1, -1, -1} << QStringList{"真丝眼罩", "无线蓝牙耳机", "便携保温杯"} << 14;
        QTest::newRow("category 3, 20-50, by points")          << QStringList{"美食茶饮", "20-50", "按积分分值排序"} << QList<qint64>{3, 1, 0} << QStringList{"精品挂耳咖啡", "西湖龙井茶礼盒"} << 2;
        QTest::newRow("what 5890 points buy")                  << QStringList{"我可兑换的产品"} << QList<qint64>{-1, -1, 1} << QStringList{"定制书签套装"} << 13;
        // clang-format on
    }

    void filterChoicesFilterTheGrid()
    {
        QFETCH(QStringList, choices);
        QFETCH(QList<qint64>, indexes);
        QFETCH(QStringList, first);
        QFETCH(int, count);
        m_phone->signIn();
        auto *points = m_phone->push(new QZCollectionViewController);
        QTRY_COMPARE(text(points, "ysyjfLabel"), QString("660分"));
        QTRY_COMPARE(points->jfspdataArray().size(), 14);
        QVERIFY(tap(points->navigationItem()->rightWidget()->parentWidget(), "leftButton"));
        auto *filter = m_phone->top<QZTypeViewController>();
        QVERIFY(filter);
        QCOMPARE(filter->title(), QString("类型选择"));
        QTRY_COMPARE(filter->splxArray().size(), 6);
        for (const QString &choice : choices) {
            for (QPushButton *button : filter->findChildren<QPushButton *>()) {
                if (button->text() == choice)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        }
        QCOMPARE(filter->findChild<QPushButton *>("order3Button")->property("chosen").toBool(),
                 indexes.at(2) == 1);
        QTest::mouseClick(qobject_cast<QPushButton *>(filter->navigationItem()->rightWidget()),
                          Qt::LeftButton);
        QCOMPARE(m_phone->top<QZCollectionViewController>(), points);
        QCOMPARE((QList<qint64>{points->typeButtonIndex(), points->pointButtonIndex(),
                                points->orderButtonIndex()}),
                 indexes);
        QCOMPARE(points->jfspdataArray().size(), count);
        QCOMPARE(giftNames(points->jfspdataArray()).mid(0, first.size()), first);
        QCOMPARE(points->findChild<CollectionView *>("collectionView")->numberOfItems(), count);
        if (indexes.at(2) == 1)
            QVERIFY(!giftNames(points->jfspdataArray()).contains("平板电脑")); // 6800 points
    }

    void filterOffersFiveCategoriesAtMost_data()
    {
        QTest::addColumn<int>("categories");
        QTest::addColumn<int>("shown");
        // clang-format off
        QTest::newRow("three: four buttons") << 3 << 4;
        QTest::newRow("six: the sixth left out") << 6 << 6;
        // clang-format on
    }

    void filterOffersFiveCategoriesAtMost()
    {
        QFETCH(int, categories);
        QFETCH(int, shown);
        QVERIFY(m_phone->testGateway().loadEditedDataset([categories](QJsonObject &dataset) {
            QJsonArray kept = dataset["gift_categories"].toArray();
            while (kept.size() > categories)
                kept.removeLast();
            dataset["gift_categories"] = kept;
        }));
        auto *filter = m_phone->push(new QZTypeViewController);
        QTRY_COMPARE(filter->splxArray().size(), categories);
        for (int i = 1; i <= 6; ++i) {
            const QString name = QString("type%1Button").arg(i);
            QCOMPARE(filter->findChild<QPushButton *>(name)->isVisibleTo(filter), i <= shown);
        }
        QCOMPARE(text(filter, "type1Button"), QString("不限"));
        QCOMPARE(text(filter, "type4Button"), QString("美食茶饮"));
        QCOMPARE(filter->findChild<QPushButton *>("type4Button")->property("tag").toLongLong(), 3);
        // Done without a points screen below: it only goes.
        QTest::mouseClick(qobject_cast<QPushButton *>(filter->navigationItem()->rightWidget()),
                          Qt::LeftButton);
        QCOMPARE(m_phone->nav()->viewControllers().size(), 1);
    }

    void failureShowsTheAlertAndKeepsTheOtherLists()
    {
        m_phone->signIn();
        m_phone->gateway().setFault("170003", GatewayFault::status(500));
        auto *points = m_phone->push(new QZCollectionViewController);
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        QTRY_COMPARE(points->jflsdataArray().size(), 8);
        QTRY_COMPARE(text(points, "kyjf1Label"), QString("5890分"));
        QVERIFY(points->jfspdataArray().isEmpty());
    }

    // The tab bar comes back only with the tab's first screen, not over the points page.
    void backPostsAppearanceToTheFirstScreen_data()
    {
        QTest::addColumn<bool>("fromPointsPage");
        QTest::addColumn<QStringList>("posted");
        // clang-format off
        QTest::newRow("to the first screen") << false << QStringList{Notification::Appearance};
        QTest::newRow("to the points page")  << true << QStringList();
        // clang-format on
    }

    void backPostsAppearanceToTheFirstScreen()
    {
        QFETCH(bool, fromPointsPage);
        QFETCH(QStringList, posted);
        if (fromPointsPage)
            m_phone->push(new RootViewController);
        const int below = int(m_phone->nav()->viewControllers().size());
        auto *points = m_phone->push(new QZCollectionViewController);
        QSignalSpy spy(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(points->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(postedNames(spy), posted);
        QCOMPARE(m_phone->nav()->viewControllers().size(), below);
    }

    void standingsShowTenEmptyRowsAndAskNothing()
    {
        // Posting a request switches the indicator on at once, so no wait is needed to see
        // that nothing was sent.
        NetworkActivityIndicator::instance()->setVisible(false);
        QSignalSpy posted(NetworkActivityIndicator::instance(),
                          &NetworkActivityIndicator::visibilityChanged);
        auto *standings = m_phone->push(new QZStandingsViewController);
        QCOMPARE(standings->title(), QString("客户活动"));
        auto *table = standings->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), 10);
        QVERIFY(cellAt(table, 9)->texts().isEmpty());
        QCOMPARE(text(standings, "segment1"), QString("兑换明细"));
        QVERIFY(posted.isEmpty());
    }

private:
    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestPointsScreens)
#include "test_points_screens.moc"
