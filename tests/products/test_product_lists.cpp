// The products tab, the securities-trust list and the trust classroom against the demo
// gateway: what each list asks for page by page, what its rows show and where they lead.
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "LoadMoreFooter.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "ProductScreens.h"
#include "QZDetailProductViewController.h"
#include "QZProductViewController.h"
#include "QZTrustClassViewController.h"
#include "ScreenFixture.h"
#include "ScreenRegistry.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "TrustClassDetailViewController.h"
#include "TrustHYViewController.h"
#include "TrustViewController.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kHotProducts = QStringLiteral("164021");
const QString kTrustProducts = QStringLiteral("164000");
const QString kNoMore = QStringLiteral("没有更多数据了！");

QJsonObject paging(const QString &offset, bool withOrder)
{
    QJsonObject ext{{"row_count", "10"}, {"row_offset", offset}};
    if (withOrder)
        ext.insert("orderby", QJsonObject{{"w_sfrx", "asc"}});
    return ext;
}

TableView *tableOf(QWidget *screen)
{
    return screen->findChild<TableView *>("tableView");
}

int rows(QWidget *screen)
{
    return tableOf(screen)->numberOfRowsInSection(0);
}

template <class Record> int indexOf(const QList<Record> &records, const QString &code)
{
    for (int i = 0; i < records.size(); ++i) {
        if (records.at(i).w_cpdm == code)
            return i;
    }
    return -1;
}

// Stands in for the trust detail, which only has to receive its record here.
class TrustDetailStub : public RootViewController
{
    Q_OBJECT
    Q_PROPERTY(TrustProductModel jzmodel READ jzmodel WRITE setJzmodel)

public:
    TrustProductModel jzmodel() const { return m_jzmodel; }
    void setJzmodel(const TrustProductModel &model) { m_jzmodel = model; }
    TrustProductModel m_jzmodel;
};

} // namespace

Q_DECLARE_METATYPE(GatewayFault)

class TestProductLists final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerProductScreens();
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
    }
    void cleanup() { m_phone.reset(); }

    void productsTabPagesByRowsHeld()
    {
        auto *products = m_phone->push(new QZProductViewController);
        QCOMPARE(products->title(), QString("热销产品"));
        QTRY_COMPARE(rows(products), 10);
        // Ordered by the hot-sale flag: the ten hot products come first.
        for (const modelForProd &p : products->dataArray())
            QCOMPARE(p.w_sfrx, QString("1"));
        LoadMoreFooter *footer = tableOf(products)->loadMoreFooter();
        for (const int held : {20, 30, 31}) {
            footer->beginRefreshing();
            QVERIFY(!footer->isRefreshing()); // ended as soon as the request is out
            QTRY_COMPARE(rows(products), held);
        }
        QList<SentRequest> sent = m_phone->sent(kHotProducts);
        QCOMPARE(sent.size(), 4);
        QCOMPARE(sent.first().params, (QJsonObject{{"w_sfxs", "1"}}));
        QCOMPARE(sent.first().paramsExt, paging("0", true));
        QCOMPARE(sent.last().paramsExt, paging("30", true));
        QVERIFY(m_phone->toastTexts().isEmpty()); // a short page is no reason for the toast
        QCOMPARE(indexOf(products->dataArray(), "CL020"), -1); // the hidden one

        // An empty page shows the toast and does not stop the footer: the next pull asks again.
        footer->beginRefreshing();
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{kNoMore});
        QCOMPARE(m_phone->toastDurations(), QList<double>{1.5});
        QCOMPARE(m_phone->sent(kHotProducts).last().paramsExt, paging("31", true));
        footer->beginRefreshing();
        QTRY_COMPARE(m_phone->toastTexts().size(), 2);
        QCOMPARE(rows(products), 31);
    }

    void productsTabRowShowsAndOpensTheProduct()
    {
        auto *products = m_phone->push(new QZProductViewController);
        QTRY_COMPARE(rows(products), 10);
        const int row = indexOf(products->dataArray(), "CL005");
        TableViewCell *cell = cellAt(tableOf(products), row);
        QCOMPARE(text(cell, "title"), QString("澄岚·鑫享5号集合资金信托计划"));
        QCOMPARE(text(cell, "yqnhsyl"), QString("6.3％"));
        QCOMPARE(text(cell, "rgqd"), QString("5万元"));
        QCOMPARE(text(cell, "cxqx"), products->dataArray().at(row).w_xtqx);
        QVERIFY(!cell->findChild<QLabel *>("isrx")->pixmap().isNull());
        QCOMPARE(tableOf(products)->rectForRowAtIndexPath({0, 0}).height(), 160);

        tableOf(products)->tapRowAtIndexPath({0, row});
        auto *detail = m_phone->top<QZDetailProductViewController>();
        QVERIFY(detail);
        QCOMPARE(detail->model().w_cpdm, QString("CL005"));
        QVERIFY(!tableOf(products)->indexPathForSelectedRow()); // deselected again
    }

    // A failed first page shows the alert; a failed later page keeps the rows; a refusal is
    // only a page without records, since lists do not read the flag.
    void listFailures_data()
    {
        QTest::addColumn<bool>("trusts");
        QTest::addColumn<bool>("laterPage");
        QTest::addColumn<GatewayFault>("fault");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QStringList>("toasts");
        // clang-format off
        QTest::newRow("products, first page")  << false << false << GatewayFault::status(500) << "您还没有连接到网络" << QStringList();
        QTest::newRow("trusts, first page")    << true << false << GatewayFault::status(500) << "您还没有连接到网络" << QStringList();
        QTest::newRow("products, later page")  << false << true << GatewayFault::status(503) << "您还没有连接到网络" << QStringList();
        QTest::newRow("products, refused page") << false << true << GatewayFault::refuse("系统维护中") << "" << QStringList{kNoMore};
        // clang-format on
    }

    void listFailures()
    {
        QFETCH(bool, trusts);
        QFETCH(bool, laterPage);
        QFETCH(GatewayFault, fault);
        QFETCH(QString, alert);
        QFETCH(QStringList, toasts);
        const QString code = trusts ? kTrustProducts : kHotProducts;
        if (!laterPage)
            m_phone->gateway().setFault(code, fault);
        RootViewController *list =
            trusts ? static_cast<RootViewController *>(m_phone->push(new TrustViewController))
                   : m_phone->push(new QZProductViewController);
        if (laterPage) {
            QTRY_COMPARE(rows(list), 10);
            m_phone->gateway().setFault(code, fault);
            tableOf(list)->loadMoreFooter()->beginRefreshing();
            QTRY_COMPARE(m_phone->sent(code).size(), 2);
        }
        if (alert.isEmpty()) {
            QTRY_COMPARE(m_phone->toastTexts(), toasts);
            QVERIFY(!m_phone->alert());
        } else {
            QCOMPARE(m_phone->waitForAlertMessage(), alert);
            QCOMPARE(m_phone->toastTexts(), toasts);
        }
        QCOMPARE(rows(list), laterPage ? 10 : 0);
    }

    void failedFirstPageOffersToAskAgain()
    {
        m_phone->gateway().setFault(kHotProducts, GatewayFault::status(500));
        auto *products = m_phone->push(new QZProductViewController);
        m_phone->waitForAlertMessage();
        m_phone->dismissAlerts();
        QWidget *empty = tableOf(products)->findChild<QWidget *>("emptyStateView");
        QVERIFY(empty && empty->isVisible());
        QCOMPARE(text(empty, "emptyStateText"), QString("网络不给力，数据加载失败"));
        QVERIFY(!tableOf(products)->loadMoreFooter()->isVisible());
        m_phone->gateway().setFault(kHotProducts, GatewayFault());
        QVERIFY(tap(empty, "emptyStateButton"));
        QTRY_COMPARE(rows(products), 10);
        QVERIFY(!empty->isVisible());
        QCOMPARE(m_phone->sent(kHotProducts).last().paramsExt, paging("0", true));
    }

    void pullingDownAsksForTheFirstPageAgain()
    {
        auto *products = m_phone->push(new QZProductViewController);
        QTRY_COMPARE(rows(products), 10);
        tableOf(products)->loadMoreFooter()->beginRefreshing();
        QTRY_COMPARE(rows(products), 20);
        QWidget *list = tableOf(products)->viewport();
        QTest::mousePress(list, Qt::LeftButton, {}, QPoint(100, 50));
        for (int y = 60; y <= 250; y += 20)
            QTest::mouseMove(list, QPoint(100, y));
        QVERIFY(list->findChild<QWidget *>("pullRefreshHeader")->isVisible());
        QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(100, 250));
        QTRY_COMPARE(rows(products), 10); // the first page again, in place of the twenty
        QCOMPARE(m_phone->sent(kHotProducts).last().paramsExt, paging("0", true));
        QVERIFY(!tableOf(products)->isPullRefreshing());
    }

    void trustListPagesWithItsFilters()
    {
        auto *trusts = m_phone->push(new TrustViewController);
        QCOMPARE(trusts->title(), QString("证券信托产品"));
        QTRY_COMPARE(rows(trusts), 10);
        trusts->footerRereshing();
        QTRY_COMPARE(rows(trusts), 11);
        trusts->footerRereshing();
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{kNoMore});
        const QJsonObject filters{{"w_cplx", "2"}, {"w_sfxs", "1"}, {"w_zt", "1"}};
        const QList<SentRequest> sent = m_phone->sent(kTrustProducts);
        QCOMPARE(sent.size(), 3);
        QCOMPARE(sent.first().params, filters);
        QCOMPARE(sent.first().paramsExt, paging("0", true));
        QCOMPARE(sent.at(1).params, filters);
        QCOMPARE(sent.at(1).paramsExt, paging("10", false)); // no orderby after the first page
        QCOMPARE(sent.at(2).paramsExt, paging("11", false));
        QCOMPARE(rows(trusts), 11);
    }

    void trustListRowsShowNetValueAndAmount_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("badge");
        // clang-format off
        QTest::newRow("below ten thousand, no badge") << "ZQ007" << "9999元" << false;
        QTest::newRow("a million, hot sale")          << "ZQ001" << "100万元" << true;
        // clang-format on
    }

    void trustListRowsShowNetValueAndAmount()
    {
        QFETCH(QString, code);
        QFETCH(QString, amount);
        QFETCH(bool, badge);
        auto *trusts = m_phone->push(new TrustViewController);
        QTRY_COMPARE(rows(trusts), 10);
        trusts->footerRereshing();
        QTRY_COMPARE(rows(trusts), 11);
        const int row = indexOf(trusts->dataArray(), code);
        const TrustProductModel &t = trusts->dataArray().at(row);
        TableViewCell *cell = cellAt(tableOf(trusts), row);
        QCOMPARE(text(cell, "title"), t.w_cpmc);
        QCOMPARE(text(cell, "yqnhsyl"), t.zxjz); // the latest net value in place of a yield
        QCOMPARE(text(cell, "yieldCaption"), QString("最新净值"));
        QCOMPARE(text(cell, "rgqd"), amount);
        QCOMPARE(cell->findChild<QLabel *>("isrx")->isVisibleTo(cell), badge);
    }

    void trustListRowOpensTheTrustDetail()
    {
        ScreenRegistry::instance().add("QZTrustDetailViewController",
                                       [] { return new TrustDetailStub; });
        auto *trusts = m_phone->push(new TrustViewController);
        QTRY_COMPARE(rows(trusts), 10);
        tableOf(trusts)->tapRowAtIndexPath({0, 4});
        auto *detail = m_phone->top<TrustDetailStub>();
        QVERIFY(detail);
        QCOMPARE(detail->m_jzmodel.w_cpdm, trusts->dataArray().at(4).w_cpdm);
        QCOMPARE(detail->m_jzmodel.zxjz, trusts->dataArray().at(4).zxjz);
        QVERIFY(!tableOf(trusts)->indexPathForSelectedRow());
    }

    void backPostsAppearance_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("left"); // screens left on the stack below an extra one
        QTest::newRow("securities trusts: to the root") << "TrustViewController" << 1;
        QTest::newRow("classroom: one back") << "QZTrustClassViewController" << 2;
    }

    void backPostsAppearance()
    {
        QFETCH(QString, screen);
        QFETCH(int, left);
        m_phone->push(new RootViewController);
        QString error;
        QPointer<RootViewController> list = qobject_cast<RootViewController *>(
            ScreenRegistry::instance().create(screen, {}, &error));
        QVERIFY2(list, qPrintable(error));
        m_phone->push(list.data());
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(list->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(postedNames(posted), QStringList{Notification::Appearance});
        QCOMPARE(m_phone->nav()->viewControllers().size(), left);
        QTRY_VERIFY(list.isNull());
    }

    void classroomOpensItsThreeTexts()
    {
        auto *classroom = m_phone->push(new QZTrustClassViewController);
        QCOMPARE(classroom->title(), QString("信托讲堂"));
        QCOMPARE(rows(classroom), 3);
        QCOMPARE(text(cellAt(tableOf(classroom), 2), "nameLabel"),
                 QString("信托公司集合资金信托计划管理办法"));
        QStringList texts;
        for (int row = 0; row < 3; ++row) {
            tableOf(classroom)->tapRowAtIndexPath({0, row});
            auto *page = m_phone->top<TrustClassDetailViewController>();
            QVERIFY(page);
            QCOMPARE(page->title(), QString("信托讲堂"));
            texts.append(page->detailString());
            m_phone->nav()->popViewControllerAnimated(false);
        }
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 3); // three different texts
        // The third row's own button opens its text too.
        for (QPushButton *b : classroom->findChildren<QPushButton *>()) {
            if (b->property("tag").toInt() == 10012)
                QTest::mouseClick(b, Qt::LeftButton);
        }
        QCOMPARE(m_phone->top<TrustClassDetailViewController>()->detailString(), texts.at(2));
    }

    void classroomHeaderOpensTheIndustryPage()
    {
        auto *classroom = m_phone->push(new QZTrustClassViewController);
        QVERIFY(tap(classroom, "headControl"));
        QCOMPARE(m_phone->top<TrustHYViewController>()->title(), QString("信托讲堂"));
    }

private:
    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestProductLists)
#include "test_product_lists.moc"
