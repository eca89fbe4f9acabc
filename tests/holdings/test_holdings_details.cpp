// The per-contract screens against the demo gateway's customer of type "3": the bought
// product's detail and the screens its headers open, the transfer and redemption details,
// the contract detail and the income detail with its two requests.
#include "BaseNavigationViewController.h"
#include "Formatting.h"
#include "GatewayRecords.h"
#include "HoldingsScreens.h"
#include "ProgressBar.h"
#include "QZBoughtDetailViewController.h"
#include "QZProfitEnquiriesViewController.h"
#include "QZTradeEnquiriesViewController.h"
#include "RedemptionDetailsViewController.h"
#include "ScreenFixture.h"
#include "ScreenRegistry.h"
#include "SpecialTransactionViewController.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "TransferDetailsViewController.h"

#include <QJsonArray>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kIncomes = QStringLiteral("80205037");
const QString kSpecialTrades = QStringLiteral("80205038");

UserMoneyModel contractNumbered(const QString &contractno)
{
    const QList<UserMoneyModel> all = GatewayRecords::askFor<UserMoneyModel>(
        QStringLiteral("80205032"), {{"cus_id", "CRM20150001"}, {"cp_status", "0"}},
        Request::paging(1000, 0));
    for (const UserMoneyModel &c : all) {
        if (c.contractno == contractno)
            return c;
    }
    return {};
}

SpecialTradeModel tradeOn(const QString &contractno, const QString &sxrq)
{
    const QList<SpecialTradeModel> all = GatewayRecords::askFor<SpecialTradeModel>(
        kSpecialTrades, {{"cus_id", "CRM20150001"}, {"htid", contractno}});
    for (const SpecialTradeModel &t : all) {
        if (t.sxrq == sxrq)
            return t;
    }
    return {};
}

TableView *tableOf(QWidget *screen)
{
    return screen->findChild<TableView *>("tableView");
}

// The name and value of each row of a detail, section by section.
QStringList rowTexts(TableView *table, int section)
{
    QStringList texts;
    for (int row = 0; row < table->numberOfRowsInSection(section); ++row)
        texts.append(cellAt(table, row, section)->texts().join(u'='));
    return texts;
}

// Taps a section header once the list has let go of those it showed before reloading.
bool tapHeader(QWidget *detail, const char *name)
{
    return QTest::qWaitFor([&]() { return detail->findChildren<QWidget *>(name).size() == 1; }) &&
           tap(detail, name);
}

// Stands in for the products' announcements screen, which only has to be opened here.
class MoreDetailStub : public RootViewController
{
    Q_OBJECT
    Q_PROPERTY(QString detailLabeltitle MEMBER m_title)
    Q_PROPERTY(QString cpdm MEMBER m_cpdm)
    Q_PROPERTY(QString belongto MEMBER m_belongto)

public:
    QString m_title;
    QString m_cpdm;
    QString m_belongto;
};

} // namespace

class TestHoldingsDetails final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerHoldingsScreens();
        ScreenRegistry::instance().add("QZMoreDetailViewController",
                                       [] { return new MoreDetailStub; });
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
        m_phone->signIn();
    }
    void cleanup() { m_phone.reset(); }

    void boughtDetailShowsTheContractAndFoldsItsBasics()
    {
        auto *detail = new QZBoughtDetailViewController;
        detail->setHtModel(contractNumbered("HT2025-0312"));
        m_phone->push(detail);
        QCOMPARE(detail->title(), QString("产品详情"));
        QCOMPARE(text(detail, "yqnhsyLabel"), QString("6.6"));
        QCOMPARE(text(detail, "rgqdLabel"), QString("150万元"));
        QCOMPARE(text(detail, "tzqxLabel"), QString("36个月"));
        QCOMPARE(text(detail, "fpfsLabel"), QString("按月分配"));
        TableView *table = tableOf(detail);
        QCOMPARE(table->numberOfSections(), 5);
        QCOMPARE(rowTexts(table, 0), (QStringList{"产品名称=澄岚·汇通7号集合资金信托计划",
                                                  "受益权名称=汇通7号B类受益权",
                                                  "发行规模=15000万元", "存续期限=36个月"}));
        for (int section = 1; section < 5; ++section)
            QCOMPARE(table->numberOfRowsInSection(section), 0);

        QVERIFY(tap(detail, "basicInfoHeader"));
        QCOMPARE(table->numberOfRowsInSection(0), 0);
        QCOMPARE(detail->stateArray().first(), QString("0"));
        QCOMPARE(m_phone->top<QZBoughtDetailViewController>(), detail); // folding opens nothing
        QVERIFY(tapHeader(detail, "basicInfoHeader"));
        QCOMPARE(table->numberOfRowsInSection(0), 4);
    }

    // Every other header flips its state and opens its screen with the contract.
    void headersOpenTheirScreens_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("property");
        // clang-format off
        QTest::newRow("contract")        << "contractInfoHeader" << "QZTradeEnquiriesViewController" << "htModel";
        QTest::newRow("special trades")  << "specialTradeHeader" << "SpecialTransactionViewController" << "htModel";
        QTest::newRow("income")          << "incomeInfoHeader" << "QZProfitEnquiriesViewController" << "model";
        // clang-format on
    }

    void headersOpenTheirScreens()
    {
        QFETCH(QString, header);
        QFETCH(QString, screen);
        QFETCH(QString, property);
        auto *detail = new QZBoughtDetailViewController;
        detail->setHtModel(contractNumbered("HT2025-0312"));
        m_phone->push(detail);
        QVERIFY(tap(detail, qPrintable(header)));
        RootViewController *opened = m_phone->top<RootViewController>();
        QCOMPARE(QString(opened->metaObject()->className()), screen);
        QCOMPARE(opened->property(qPrintable(property)).value<UserMoneyModel>().contractno,
                 QString("HT2025-0312"));
        QVERIFY(detail->stateArray().contains("0"));
    }

    void moreInformationOpensTheHoldersAnnouncements()
    {
        auto *detail = new QZBoughtDetailViewController;
        detail->setHtModel(contractNumbered("HT2025-0312"));
        m_phone->push(detail);
        QVERIFY(tap(detail, "basicInfoHeader")); // fold, so the last header is on screen
        QVERIFY(tapHeader(detail, "moreInfoHeader"));
        auto *more = m_phone->top<MoreDetailStub>();
        QVERIFY(more);
        QCOMPARE(more->m_title, QString("澄岚·汇通7号"));
        QCOMPARE(more->m_cpdm, QString("CL007"));
        QCOMPARE(more->m_belongto, QString("产品详情")); // a holder's announcements
    }

    void transferDetail()
    {
        auto *transfer = new TransferDetailsViewController;
        transfer->setHtModel(contractNumbered("HT2022-0807"));
        transfer->setStModel(tradeOn("HT2022-0807", "20221215"));
        m_phone->push(transfer);
        QCOMPARE(transfer->title(), QString("转让详情"));
        TableView *table = tableOf(transfer);
        QCOMPARE(table->numberOfSections(), 4);
        QCOMPARE(rowTexts(table, 1), (QStringList{"证件类型=身份证", "证件号码=310104198803162418",
                                                  "出让人姓名=王澄宇", "客户类型=个人"}));
        const QStringList transferRows = rowTexts(table, 2);
        QCOMPARE(transferRows.at(5), QString("转让金额=200万元"));
        QCOMPARE(transferRows.at(8), QString("转让当日收益归属=--")); // empty on record
        QCOMPARE(transferRows.at(9), QString("转让后收益归属=受让方"));
        QCOMPARE(rowTexts(table, 3).first(), QString("证件类型=身份证"));
    }

    void redemptionDetail()
    {
        auto *redemption = new RedemptionDetailsViewController;
        redemption->setHtModel(contractNumbered("HT2020-0925"));
        redemption->setStModel(tradeOn("HT2020-0925", "20220630"));
        m_phone->push(redemption);
        QCOMPARE(redemption->title(), QString("赎回详情"));
        const QStringList rows = rowTexts(tableOf(redemption), 1);
        QCOMPARE(rows.at(2), QString("投资者姓名=王澄宇"));
        QCOMPARE(rows.at(7), QString("赎回开放日=2022-06-30"));
        QCOMPARE(rows.at(8), QString("赎回申请日期=2022-06-15"));
        QCOMPARE(rows.at(9), QString("赎回份额=300000份"));
    }

    void contractDetail()
    {
        auto *contract = new QZTradeEnquiriesViewController;
        contract->setHtModel(contractNumbered("HT2023-0421"));
        m_phone->push(contract);
        QCOMPARE(contract->title(), QString("合同详情"));
        QCOMPARE(text(contract, "productName"), QString("澄岚·稳盈1号集合资金信托计划"));
        QCOMPARE(text(contract, "contractNumber"), QString("HT2023-0421"));
        QCOMPARE(text(contract, "contractAmount"), QString("300万元"));
        QCOMPARE(text(contract, "contractDate"), QString("2023-06-15"));
        QCOMPARE(text(contract, "allocatedAccount"), QString("6222 0210 0111 2223 334"));
        QCOMPARE(text(contract, "khhmcLabel"), QString("中国工商银行上海徐汇支行"));
        QCOMPARE(text(contract, "syrxmLabel"), QString("王澄宇"));
        QCOMPARE(text(contract, "telphone"), QString("13812345678"));
        QCOMPARE(text(contract, "htzzrqLabel"), QString("2027-06-15"));
    }

    // Both requests go out together; the header follows the distributions' answer. A
    // contract without special transactions takes the yield over the first dividend's year;
    // one the customer received by transfer, from the transfer on.
    void incomeDetail_data()
    {
        QTest::addColumn<QString>("contractno");
        QTest::addColumn<QString>("yield");
        QTest::addColumn<QString>("receiver");
        QTest::addColumn<double>("progress");
        QTest::addColumn<bool>("labelA");
        // clang-format off
        QTest::newRow("no special transaction") << "HT2023-0421" << "83.2％" << "" << 0.25 << false;
        QTest::newRow("received by transfer")   << "HT2025-0312" << "175.3％" << "转让" << 0.25 << false;
        QTest::newRow("principal paid back")    << "HT2019-0520" << "15.0％" << "" << 1.0 << true;
        // clang-format on
    }

    void incomeDetail()
    {
        QFETCH(QString, contractno);
        QFETCH(QString, yield);
        QFETCH(QString, receiver);
        QFETCH(double, progress);
        QFETCH(bool, labelA);
        // A quarter of every term has run, whatever today is.
        QVERIFY(m_phone->testGateway().loadEditedDataset([](QJsonObject &data) {
            QJsonArray contracts = data.value("contracts").toArray();
            for (QJsonValueRef c : contracts) {
                QJsonObject o = c.toObject();
                o.insert("htyclts", "100");
                o.insert("jlhtdqts", "300");
                c = o;
            }
            data.insert("contracts", contracts);
        }));
        auto *income = new QZProfitEnquiriesViewController;
        income->setModel(contractNumbered(contractno));
        m_phone->push(income);
        QCOMPARE(income->title(), income->model().cpqc);
        QTRY_VERIFY(!income->profitDataArray().isEmpty());
        QCOMPARE(m_phone->sent(kSpecialTrades).first().params,
                 (QJsonObject{{"cus_id", "CRM20150001"}, {"htid", contractno}}));
        QCOMPARE(m_phone->sent(kIncomes).first().params, (QJsonObject{{"cus_id", "CRM20150001"},
                                                                      {"start_date", ""},
                                                                      {"end_date", ""},
                                                                      {"cpmc", ""},
                                                                      {"sffb", "1"},
                                                                      {"htid", contractno}}));
        QCOMPARE(m_phone->sent(kIncomes).first().paramsExt,
                 (QJsonObject{{"row_count", "1000"},
                              {"row_offset", "0"},
                              {"orderby", QJsonObject{{"fprq", "desc"}}}}));
        QCOMPARE(income->isTranserReceiver(), receiver);
        QCOMPARE(text(income, "yqnhsyLabel"), yield);
        QCOMPARE(income->findChild<ProgressBar *>("progressBar")->progress(), progress);
        QCOMPARE(income->findChild<QLabel *>("progressLabelA")->isVisibleTo(income), labelA);
        QCOMPARE(income->findChild<QLabel *>("progressLabelB")->isVisibleTo(income), !labelA);
        QCOMPARE(text(income, "syfpzhLabel"), QString("6222 0210 0111 2223 334"));
        QVERIFY(!income->findChild<QLabel *>("isRecode")->isVisibleTo(income));
        TableViewCell *cell = cellAt(tableOf(income), 0);
        QCOMPARE(text(cell, "ksrqLabel"),
                 Formatting::GetFormateDate(income->profitDataArray().first().fprq));
        QCOMPARE(tableOf(income)->rectForRowAtIndexPath({0, 0}).height(), 55);
    }

    void incomeDetailWithoutDistributions()
    {
        auto *income = new QZProfitEnquiriesViewController;
        income->setModel(contractNumbered("HT2026-0901"));
        m_phone->push(income);
        QTRY_COMPARE(m_phone->sent(kIncomes).size(), 1);
        QTRY_COMPARE(text(income, "cybjLabel"), QString("120万元")); // the header is built
        QCOMPARE(tableOf(income)->numberOfRowsInSection(0), 0);
        QVERIFY(income->findChild<QLabel *>("isRecode")->isVisibleTo(income));
        QCOMPARE(text(income, "yqnhsyLabel"), QString("6.2")); // no dividend yet
    }

    // A failure keeps the header as it is laid out.
    void incomeDetailFailure()
    {
        m_phone->gateway().setFault(kIncomes, GatewayFault::status(500));
        auto *income = new QZProfitEnquiriesViewController;
        income->setModel(contractNumbered("HT2023-0421"));
        m_phone->push(income);
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        QCOMPARE(text(income, "yqnhsyLabel"), QString("--"));
        QVERIFY(text(income, "cybjLabel").isEmpty());
    }

private:
    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestHoldingsDetails)
#include "test_holdings_details.moc"
