// The four holdings lists with their date filter against the demo gateway's customer of
// type "3": what each shows of the records it is handed or asks for, the filter driven as
// a person drives it, and where rows and the back button lead.
#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "DatePickerSheet.h"
#include "GatewayRecords.h"
#include "HoldingsScreens.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "QZBoughtDetailViewController.h"
#include "QZBoughtViewController.h"
#include "QZProfitViewController.h"
#include "QZTradeViewController.h"
#include "RedemptionDetailsViewController.h"
#include "ScreenFixture.h"
#include "ScreenRegistry.h"
#include "SessionStore.h"
#include "SpecialTransactionViewController.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "TransferDetailsViewController.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimeZone>

using namespace ScreenProbe;

namespace {

const QString kContracts = QStringLiteral("80205032");
const QString kIncomes = QStringLiteral("80205037");
const QString kSpecialTrades = QStringLiteral("80205038");
const QString kNoPurchases = QStringLiteral("您没有相关时间段的购买记录！");

// The contracts and incomes as the account overview asks for them.
QList<UserMoneyModel> contracts(bool unredeemedOnly = false)
{
    QJsonObject params{{"cus_id", "CRM20150001"},
                       {"start_date", ""},
                       {"end_date", ""},
                       {"product_name", ""},
                       {"cp_status", "0"}};
    if (unredeemedOnly)
        params.insert("sfyx", "0");
    return GatewayRecords::askFor<UserMoneyModel>(kContracts, params,
                                                  Request::paging(1000, 0, {{"ksrq", "desc"}}));
}

QList<ReturnDetailsModel> incomes()
{
    return GatewayRecords::askFor<ReturnDetailsModel>(kIncomes,
                                                      {{"cus_id", "CRM20150001"},
                                                       {"start_date", ""},
                                                       {"end_date", ""},
                                                       {"cpmc", ""},
                                                       {"sffb", "0"},
                                                       {"htid", ""}},
                                                      Request::paging(1000, 0, {{"fprq", "desc"}}));
}

UserMoneyModel contractNumbered(const QString &contractno)
{
    for (const UserMoneyModel &c : contracts()) {
        if (c.contractno == contractno)
            return c;
    }
    return {};
}

TableView *tableOf(QWidget *screen)
{
    return screen->findChild<TableView *>("tableView");
}

int rows(QWidget *screen)
{
    return tableOf(screen)->numberOfRowsInSection(0);
}

void click(QWidget *screen, const char *name)
{
    QTest::mouseClick(screen->findChild<QWidget *>(name), Qt::LeftButton);
}

// Touches a date label and picks the date in the picker it opens.
void pickDate(QWidget *screen, const char *label, const QDate &date)
{
    click(screen, label);
    if (DatePickerSheet *sheet = DatePickerSheet::frontMost(screen->window()))
        sheet->pick(date);
}

} // namespace

class TestHoldingsLists final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerHoldingsScreens();
        // The presets count back from the client's clock.
        AppConfig::setNow(QDateTime(QDate(2026, 12, 5), QTime(12, 0), QTimeZone(8 * 3600)));
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
        m_phone->signIn();
    }
    void cleanup() { m_phone.reset(); }

    void boughtListShowsEveryContractAndFiltersByRightStart()
    {
        auto *bought = new QZBoughtViewController;
        bought->setUserMoneyDataArray(contracts());
        m_phone->push(bought);
        QCOMPARE(bought->title(), QString("已购买的产品"));
        QCOMPARE(rows(bought), 8);
        QCOMPARE(text(bought, "minLabel"), QString("2019-05-25"));
        QCOMPARE(text(bought, "maxLabel"), QString("2026-12-05"));

        // A paid-back contract with transfers: grey name, the mark, the right's start.
        TableViewCell *cell = cellAt(tableOf(bought), 4);
        QCOMPARE(text(cell, "nameLabel"), QString("澄岚·城投优选3号集合资金信托计划"));
        QVERIFY(cell->findChild<QLabel *>("nameLabel")->styleSheet().contains("#9a9a9a"));
        QVERIFY(cell->findChild<QLabel *>("tsjyImage")->isVisibleTo(cell));
        QCOMPARE(text(cell, "dataLabel"), QString("成立日期：2022-08-10"));
        QCOMPARE(text(cell, "moneyLabel"), QString("200万元"));
        cell = cellAt(tableOf(bought), 0);
        QVERIFY(!cell->findChild<QLabel *>("tsjyImage")->isVisibleTo(cell));

        QVERIFY(tap(bought, "lastFiveButton"));
        QCOMPARE(text(bought, "minLabel"), QString("2021-12-05"));
        QCOMPARE(rows(bought), 5); // rights from 2022-08-10 on
        QVERIFY(tap(bought, "lastOneButton"));
        QCOMPARE(rows(bought), 1);
        QCOMPARE(bought->filterView()->count(), 3);
        QVERIFY(m_phone->toastTexts().isEmpty());

        tableOf(bought)->tapRowAtIndexPath({0, 0});
        auto *detail = m_phone->top<QZBoughtDetailViewController>();
        QVERIFY(detail);
        QCOMPARE(detail->htModel().contractno, QString("HT2026-0901"));
        QVERIFY(!tableOf(bought)->indexPathForSelectedRow());
    }

    // Opening a picker empties the list; a picked start shows at once, and "确定" runs the
    // filter. The bought list's end picker starts at the picked start and ends today.
    void pickersEmptyTheListUntilConfirmed()
    {
        auto *bought = new QZBoughtViewController;
        bought->setUserMoneyDataArray(contracts());
        m_phone->push(bought);
        click(bought, "minLabel");
        DatePickerSheet *sheet = DatePickerSheet::frontMost(m_phone->window());
        QVERIFY(sheet);
        QCOMPARE(rows(bought), 0);
        QCOMPARE(sheet->minimumDate(), QDate(2019, 1, 1)); // the year of the earliest contract
        QCOMPARE(sheet->maximumDate(), QDate(2026, 12, 5));
        sheet->pick(QDate(2024, 1, 1));
        QTRY_COMPARE(rows(bought), 8); // the picker has gone, the old rows are back
        QCOMPARE(text(bought, "minLabel"), QString("2024-01-01"));

        click(bought, "maxLabel");
        sheet = DatePickerSheet::frontMost(m_phone->window());
        QVERIFY(sheet);
        QCOMPARE(sheet->minimumDate(), QDate(2024, 1, 1));
        QCOMPARE(text(bought, "maxLabel"), QString("2026-12-05"));
        sheet->pick(QDate(2025, 12, 31));
        QVERIFY(tap(bought, "sureButton"));
        QCOMPARE(rows(bought), 2); // rights started 2024-03-20 and 2024-11-06
        QVERIFY(m_phone->toastTexts().isEmpty());
    }

    // Each list's own words when nothing lies in the range (0.5 s at the centre).
    void emptyRangeToast_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("toast");
        // clang-format off
        QTest::newRow("bought products")      << "QZBoughtViewController" << kNoPurchases;
        QTest::newRow("unredeemed principal") << "QZTradeViewController" << kNoPurchases;
        QTest::newRow("distributed income")   << "QZProfitViewController" << "您没有相关时间段的收益记录！";
        QTest::newRow("special transactions") << "SpecialTransactionViewController" << kNoPurchases;
        // clang-format on
    }

    void emptyRangeToast()
    {
        QFETCH(QString, screen);
        QFETCH(QString, toast);
        QString error;
        auto *list = qobject_cast<RootViewController *>(
            ScreenRegistry::instance().create(screen, {}, &error));
        QVERIFY2(list, qPrintable(error));
        if (auto *bought = qobject_cast<QZBoughtViewController *>(list))
            bought->setUserMoneyDataArray(contracts());
        else if (auto *trade = qobject_cast<QZTradeViewController *>(list))
            trade->setUserMoneyArray(contracts(true));
        else if (auto *profit = qobject_cast<QZProfitViewController *>(list))
            profit->setProfitArray(incomes());
        else
            qobject_cast<SpecialTransactionViewController *>(list)->setHtModel(
                contractNumbered("HT2020-0925"));
        m_phone->push(list);
        QTRY_VERIFY(rows(list) > 0);
        pickDate(list, "minLabel", QDate(2026, 12, 5));
        QVERIFY(tap(list, "sureButton"));
        QCOMPARE(rows(list), 0);
        QCOMPARE(m_phone->toastTexts(), QStringList{toast});
        QCOMPARE(m_phone->toastDurations(), QList<double>{0.5});
    }

    void tradeListRows()
    {
        QList<UserMoneyModel> held = contracts(true);
        QCOMPARE(held.size(), 5);
        held[0].syqmc.clear(); // a right without a name shows the product's
        auto *trade = new QZTradeViewController;
        trade->setUserMoneyArray(held);
        m_phone->push(trade);
        QCOMPARE(trade->title(), QString("未兑付本金"));
        QCOMPARE(text(trade, "minLabel"), QString("2020-09-25")); // the earliest contract start
        QCOMPARE(tableOf(trade)->rectForRowAtIndexPath({0, 0}).height(), 88);
        TableViewCell *cell = cellAt(tableOf(trade), 0);
        QCOMPARE(text(cell, "nameLabel"), QString("澄岚·启航10号集合资金信托计划"));
        cell = cellAt(tableOf(trade), 4);
        QCOMPARE(text(cell, "nameLabel"), QString("量化对冲3期信托单位"));
        QCOMPARE(text(cell, "jeLabel"), QString("金额：50万元"));
        QCOMPARE(text(cell, "dataLabel"), QString("2020-09-25"));
        QVERIFY(tap(trade, "lastThreeButton")); // contracts started from 2023-12-05 on
        QCOMPARE(rows(trade), 3);
    }

    void profitListRowsAndTheIncomeRule()
    {
        auto *profit = new QZProfitViewController;
        profit->setProfitArray(incomes());
        m_phone->push(profit);
        QCOMPARE(profit->title(), QString("已分配收益"));
        const int all = rows(profit);
        QCOMPARE(text(profit, "minLabel"), QString("2019-05-24")); // the earliest distribution
        TableViewCell *cell = cellAt(tableOf(profit), 0);
        QCOMPARE(text(cell, "sysjLabel"), QString("合同分配日期 2026-09-15"));
        QCOMPARE(text(cell, "isFh"), QString("分红："));
        QCOMPARE(text(cell, "syjeLabel"), QString("+51,000.00元"));
        QCOMPARE(text(cell, "cpmcLabel"), QString("稳盈1号优先级受益权"));

        // From 2023-06-01 to 2023-06-30: distributed since the start, contract begun by the end.
        pickDate(profit, "minLabel", QDate(2023, 6, 1));
        pickDate(profit, "maxLabel", QDate(2023, 6, 30));
        QVERIFY(tap(profit, "sureButton"));
        QVERIFY(rows(profit) < all);
        QCOMPARE(text(cellAt(tableOf(profit), 0), "sysjLabel"), QString("合同分配日期 2026-09-15"));
        QCOMPARE(text(cellAt(tableOf(profit), rows(profit) - 1), "sysjLabel"),
                 QString("合同分配日期 2023-06-14"));
    }

    // The list asks for the contract's transactions, sets its range from their dates, and
    // opens a transfer's or a redemption's detail.
    void specialTransactionsOpenTheirDetail_data()
    {
        QTest::addColumn<QString>("contractno");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("minLabel");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("transfer");
        // clang-format off
        QTest::newRow("two redemptions")   << "HT2020-0925" << 2 << "2022-06-30" << "金额：20万元" << false;
        QTest::newRow("a transfer out")    << "HT2022-0807" << 1 << "2022-12-15" << "金额：200万元" << true;
        // clang-format on
    }

    void specialTransactionsOpenTheirDetail()
    {
        QFETCH(QString, contractno);
        QFETCH(int, count);
        QFETCH(QString, minLabel);
        QFETCH(QString, amount);
        QFETCH(bool, transfer);
        auto *trades = new SpecialTransactionViewController;
        trades->setHtModel(contractNumbered(contractno));
        m_phone->push(trades);
        QCOMPARE(trades->title(), QString("特殊交易"));
        QTRY_COMPARE(rows(trades), count);
        const QList<SentRequest> sent = m_phone->sent(kSpecialTrades);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().params,
                 (QJsonObject{{"cus_id", "CRM20150001"}, {"htid", contractno}}));
        QCOMPARE(sent.first().paramsExt, (QJsonObject{{"row_count", "1000"}, {"row_offset", "0"}}));
        QCOMPARE(text(trades, "minLabel"), minLabel);
        TableViewCell *cell = cellAt(tableOf(trades), 0);
        QCOMPARE(text(cell, "nameLabel"), trades->htModel().cpqc);
        QCOMPARE(text(cell, "jeLabel"), amount);
        QVERIFY(!cell->findChild<QLabel *>("stateImage")->pixmap().isNull());

        tableOf(trades)->tapRowAtIndexPath({0, 0});
        TradeEventDetailScreen *detail = transfer
                                             ? static_cast<TradeEventDetailScreen *>(
                                                   m_phone->top<TransferDetailsViewController>())
                                             : m_phone->top<RedemptionDetailsViewController>();
        QVERIFY(detail);
        QCOMPARE(detail->htModel().contractno, contractno);
        QCOMPARE(detail->stModel().sxrq, trades->specialDataArray().first().sxrq);
    }

    void specialTransactionsFailure()
    {
        m_phone->gateway().setFault(kSpecialTrades, GatewayFault::status(500));
        auto *trades = new SpecialTransactionViewController;
        trades->setHtModel(contractNumbered("HT2020-0925"));
        m_phone->push(trades);
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        QCOMPARE(rows(trades), 0);
    }

    // The lists the account opens show its tab bar again on the way back.
    void backButton_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("posted");
        // clang-format off
        QTest::newRow("bought products")      << "QZBoughtViewController" << QStringList{Notification::Appearance};
        QTest::newRow("unredeemed principal") << "QZTradeViewController" << QStringList{Notification::Appearance};
        QTest::newRow("distributed income")   << "QZProfitViewController" << QStringList{Notification::Appearance};
        QTest::newRow("special transactions") << "SpecialTransactionViewController" << QStringList{};
        // clang-format on
    }

    // Opened by name without records, each list is simply empty.
    void backButton()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, posted);
        QString error;
        QPointer<RootViewController> list = qobject_cast<RootViewController *>(
            ScreenRegistry::instance().create(screen, {}, &error));
        QVERIFY2(list, qPrintable(error));
        m_phone->push(list.data());
        QCOMPARE(rows(list), 0);
        QSignalSpy spy(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(list->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(postedNames(spy), posted);
        QTRY_VERIFY(list.isNull());
    }

    // The driver's `open` hands the records over as a JSON array.
    void openByNameWithRecords()
    {
        QString error;
        auto *trade = qobject_cast<QZTradeViewController *>(ScreenRegistry::instance().create(
            "QZTradeViewController",
            {{"userMoneyArray", QJsonArray{QJsonObject{{"syqmc", "甲"}, {"ksrq", "20250101"}},
                                           QJsonObject{{"syqmc", "乙"}, {"ksrq", "20240101"}}}}},
            &error));
        QVERIFY2(trade, qPrintable(error));
        m_phone->push(trade);
        QCOMPARE(rows(trade), 2);
        QCOMPARE(text(cellAt(tableOf(trade), 1), "nameLabel"), QString("乙"));
    }

private:
    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestHoldingsLists)
#include "test_holdings_lists.moc"
