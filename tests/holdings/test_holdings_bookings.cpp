// The booking records against the demo gateway: the pages, what a row shows of a
// booking's state, deleting a booking being processed, and the empty state.
#include "BaseNavigationViewController.h"
#include "HoldingsScreens.h"
#include "LoadMoreFooter.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "QZAppointmentedViewController.h"
#include "RecordMapper.h"
#include "ScreenFixture.h"
#include "SessionStore.h"
#include "TableView.h"
#include "TableViewCell.h"

#include <QJsonArray>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kBookings = QStringLiteral("166002");
const QString kBookingAction = QStringLiteral("166003");

QJsonObject paging(const QString &offset)
{
    return {{"row_count", "10"},
            {"row_offset", offset},
            {"orderby", QJsonObject{{"yyzt_sort", "asc"}, {"yysj", "desc"}}}};
}

TableView *tableOf(QWidget *screen)
{
    return screen->findChild<TableView *>("tableView");
}

int rows(QWidget *screen)
{
    return tableOf(screen)->numberOfRowsInSection(0);
}

} // namespace

Q_DECLARE_METATYPE(GatewayFault)

class TestHoldingsBookings final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerHoldingsScreens();
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
        m_phone->signIn();
        // A sign-in also stores the customer's main fields, which later pages read.
        SessionStore::storeMyDic(
            RecordMapper::map<QZLoginModel>(m_phone->gateway().customer("100001")));
    }
    void cleanup() { m_phone.reset(); }

    // Ten bookings fill the first page; the next page asks for the customer stored at
    // sign-in from the tenth on, and an empty one says there is no more.
    void tenBookingsThenAnEmptyPage()
    {
        QVERIFY(m_phone->testGateway().loadEditedDataset([](QJsonObject &data) {
            QJsonArray bookings = data.value("bookings").toArray();
            bookings.removeAt(11); // customer 100001 keeps ten of twelve
            bookings.removeAt(10);
            data.insert("bookings", bookings);
        }));
        SessionStore::storeMyDic(
            RecordMapper::map<QZLoginModel>(m_phone->gateway().customer("100002")));
        auto *bookings = m_phone->push(new QZAppointmentedViewController);
        QCOMPARE(bookings->title(), QString("已预约的产品"));
        QTRY_COMPARE(rows(bookings), 10);
        QCOMPARE(m_phone->sent(kBookings).first().params, (QJsonObject{{"khbh", "100001"}}));
        QCOMPARE(m_phone->sent(kBookings).first().paramsExt, paging("0"));
        QCOMPARE(tableOf(bookings)->rectForRowAtIndexPath({0, 0}).height(), 140);

        tableOf(bookings)->loadMoreFooter()->beginRefreshing();
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{"没有更多数据了！"});
        QCOMPARE(m_phone->toastDurations(), QList<double>{1.5});
        QCOMPARE(m_phone->sent(kBookings).last().params, (QJsonObject{{"khbh", "100002"}}));
        QCOMPARE(m_phone->sent(kBookings).last().paramsExt, paging("10"));
        QCOMPARE(rows(bookings), 10);
    }

    // One row per state: its text, and "×删除" only while the booking is being processed.
    void rowsShowTheState_data()
    {
        QTest::addColumn<QString>("cpdm");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("deletable");
        QTest::addColumn<QString>("amount");
        // clang-format off
        QTest::newRow("being processed") << "CL002" << "受理中" << true << "100万元";
        QTest::newRow("succeeded")       << "CL006" << "预约成功" << false << "150万元";
        QTest::newRow("failed")          << "CL011" << "预约失败" << false << "500万元";
        // clang-format on
    }

    void rowsShowTheState()
    {
        QFETCH(QString, cpdm);
        QFETCH(QString, state);
        QFETCH(bool, deletable);
        QFETCH(QString, amount);
        auto *bookings = m_phone->push(new QZAppointmentedViewController);
        QTRY_COMPARE(rows(bookings), 10);
        bookings->footerRereshing();
        QTRY_COMPARE(rows(bookings), 12);
        int row = 0;
        while (bookings->dataArray().at(row).cpdm != cpdm)
            ++row;
        const modelForAppointedProd &booking = bookings->dataArray().at(row);
        TableViewCell *cell = cellAt(tableOf(bookings), row);
        QCOMPARE(text(cell, "nameLabel"), booking.w_cpmc);
        QCOMPARE(text(cell, "statusLabel"), state);
        QCOMPARE(visibleText(cell, "statusButton"),
                 deletable ? QString("×删除") : QString("<hidden statusButton>"));
        QCOMPARE(text(cell, "moneyLabel"), amount);
        QCOMPARE(text(cell, "dateLabel"), QString(booking.yysj_ss).insert(6, '-').insert(4, '-'));
    }

    // "×删除" sends the booking back at once, without asking, then the list starts over.
    void deletingABookingBeingProcessed()
    {
        auto *bookings = m_phone->push(new QZAppointmentedViewController);
        QTRY_COMPARE(rows(bookings), 10);
        const modelForAppointedProd first = bookings->dataArray().first();
        QCOMPARE(first.yyzt, QString("2"));
        QVERIFY(tap(cellAt(tableOf(bookings), 0), "statusButton"));
        QVERIFY(!m_phone->alert()); // no confirmation
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{"预约产品删除成功"});
        QCOMPARE(m_phone->toastDurations(), QList<double>{1.0});
        const QJsonObject sent = m_phone->sent(kBookingAction).first().params;
        QCOMPARE(sent.value("action"), QJsonValue("D"));
        QCOMPARE(sent.value("khbh"), QJsonValue("100001"));
        QCOMPARE(sent.value("id"), QJsonValue(first.id));
        QCOMPARE(sent.value("yyzt"), QJsonValue("1"));
        QTRY_COMPARE(m_phone->sent(kBookings).size(), 2);
        QCOMPARE(m_phone->sent(kBookings).last().paramsExt, paging("0"));
        QTRY_VERIFY(!bookings->dataArray().isEmpty() &&
                    bookings->dataArray().first().id != first.id);
        QCOMPARE(rows(bookings), 10); // eleven left, a page of ten
    }

    // A refusal shows the server's words and keeps the list; a lost request the network alert.
    void deleteFailures_data()
    {
        QTest::addColumn<GatewayFault>("fault");
        QTest::addColumn<QString>("alert");
        // clang-format off
        QTest::newRow("refused")   << GatewayFault::refuse("该预约已处理，不能删除") << "该预约已处理，不能删除";
        QTest::newRow("no answer") << GatewayFault::status(500) << "您还没有连接到网络";
        // clang-format on
    }

    void deleteFailures()
    {
        QFETCH(GatewayFault, fault);
        QFETCH(QString, alert);
        auto *bookings = m_phone->push(new QZAppointmentedViewController);
        QTRY_COMPARE(rows(bookings), 10);
        m_phone->gateway().setFault(kBookingAction, fault);
        QVERIFY(tap(cellAt(tableOf(bookings), 0), "statusButton"));
        QCOMPARE(m_phone->waitForAlertMessage(), alert);
        QCOMPARE(m_phone->sent(kBookings).size(), 1);
        QVERIFY(m_phone->toastTexts().isEmpty());
        QCOMPARE(rows(bookings), 10);
    }

    // Without bookings the list gives way to the button that leads to the products tab.
    void emptyStateLeadsToTheProducts()
    {
        m_phone->signIn("100003");
        m_phone->push(new RootViewController);
        QPointer<QZAppointmentedViewController> bookings =
            m_phone->push(new QZAppointmentedViewController);
        QTRY_VERIFY(bookings->findChild<QWidget *>("emptyView")->isVisibleTo(bookings));
        QVERIFY(!tableOf(bookings)->isVisibleTo(bookings));
        QCOMPARE(text(bookings, "wyyLabel"), QString("您还没有预约的产品"));
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QVERIFY(tap(bookings, "wyyButton"));
        QCOMPARE(postedNames(posted),
                 (QStringList{Notification::Change1, Notification::Appearance}));
        QCOMPARE(m_phone->nav()->viewControllers().size(), 2);
        QTRY_VERIFY(bookings.isNull());
    }

    void firstPageFailureKeepsTheList()
    {
        m_phone->gateway().setFault(kBookings, GatewayFault::status(500));
        auto *bookings = m_phone->push(new QZAppointmentedViewController);
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        QCOMPARE(rows(bookings), 0);
        QVERIFY(tableOf(bookings)->isVisibleTo(bookings)); // not the empty state
    }

    void backPostsAppearance()
    {
        QPointer<QZAppointmentedViewController> bookings =
            m_phone->push(new QZAppointmentedViewController);
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(bookings->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(postedNames(posted), QStringList{Notification::Appearance});
        QTRY_VERIFY(bookings.isNull());
    }

private:
    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestHoldingsBookings)
#include "test_holdings_bookings.moc"
