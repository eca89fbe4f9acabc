// The products tab, the securities-trust list and the trust classroom against the demo
// gateway: what each list asks for page by page, what its rows show and where they lead.
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "LoadMoreFooter.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "QZDetailProductViewController.h"
#include "QZProductViewController.h"
#include "QZTrustClassViewController.h"
#include "RequestSpy.h"
#include "RootViewController.h"
#include "ScreenRegistry.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "TestGateway.h"
#include "Toast.h"
#include "TrustClassDetailViewController.h"
#include "TrustHYViewController.h"
#include "TrustViewController.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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

int rows(QWidget *screen)
{
    return screen->findChild<TableView *>("tableView")->numberOfRowsInSection(0);
}

// The cell of a row, scrolled into view first.
TableViewCell *cellAt(QWidget *screen, int row)
{
    auto *table = screen->findChild<TableView *>("tableView");
    table->scrollToRowAtIndexPath({0, row});
    return table->cellForRowAtIndexPath({0, row});
}

QString labelText(QWidget *cell, const char *name)
{
    auto *label = cell->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
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

class TestProductLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.*.debug=false"));
    }

    void init()
    {
        m_gateway = std::make_unique<TestGateway>();
        m_requests =
            std::make_unique<QSignalSpy>(&m_gateway->gateway(), &DemoGateway::requestReceived);
        m_toasts = std::make_unique<QSignalSpy>(ToastEvents::instance(), &ToastEvents::shown);
        m_window = std::make_unique<PhoneWindow>();
        m_window->show();
    }

    void cleanup()
    {
        m_window.reset();
        m_toasts.reset();
        m_requests.reset();
        m_gateway.reset();
    }

    void productsTabAsksForTheFirstPage()
    {
        QZProductViewController *products = openProducts();
        QCOMPARE(products->title(), QString("热销产品"));
        QTRY_COMPARE(rows(products), 10);
        const QList<SentRequest> sent = sentWith(*m_requests, kHotProducts);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().params, (QJsonObject{{"w_sfxs", "1"}}));
        QCOMPARE(sent.first().paramsExt, paging("0", true));
        QCOMPARE(products->dataArray().size(), 10);
        // Ordered by the hot-sale flag: the ten hot products come first.
        for (const modelForProd &p : products->dataArray())
            QCOMPARE(p.w_sfrx, QString("1"));
    }

    void productsTabPagesByRowsHeld()
    {
        QZProductViewController *products = openProducts();
        QTRY_COMPARE(rows(products), 10);
        LoadMoreFooter *footer = products->findChild<TableView *>("tableView")->loadMoreFooter();
        QVERIFY(footer);

        const QList<int> held{20, 30, 31};
        for (int i = 0; i < held.size(); ++i) {
            footer->beginRefreshing();
            QVERIFY(!footer->isRefreshing()); // ended as soon as the request is out
            QTRY_COMPARE(rows(products), held.at(i));
            const QList<SentRequest> sent = sentWith(*m_requests, kHotProducts);
            QCOMPARE(sent.size(), i + 2);
            QCOMPARE(sent.last().params, (QJsonObject{{"w_sfxs", "1"}}));
            QCOMPARE(sent.last().paramsExt, paging(QString::number(10 * (i + 1)), true));
        }
        QCOMPARE(m_toasts->size(), 0); // the short fourth page is no reason for the toast

        // The 31 displayed products, each once; the hidden one is not among them.
        QSet<QString> codes;
        for (const modelForProd &p : products->dataArray())
            codes.insert(p.w_cpdm);
        QCOMPARE(codes.size(), 31);
        QVERIFY(!codes.contains("CL020"));

        footer->beginRefreshing();
        QTRY_COMPARE(m_toasts->size(), 1);
        QCOMPARE(m_toasts->first().at(0).toString(), kNoMore);
        QCOMPARE(m_toasts->first().at(1).toDouble(), 1.5);
        QCOMPARE(sentWith(*m_requests, kHotProducts).last().paramsExt, paging("31", true));
        QCOMPARE(rows(products), 31);
        QVERIFY(!footer->isRefreshing());

        // An empty page does not stop the footer: the next pull asks again.
        footer->beginRefreshing();
        QTRY_COMPARE(m_toasts->size(), 2);
        QCOMPARE(sentWith(*m_requests, kHotProducts).size(), 6);
        QCOMPARE(rows(products), 31);
    }

    void productsTabRowShowsTheProduct()
    {
        QZProductViewController *products = openProducts();
        QTRY_COMPARE(rows(products), 10);
        const int row = indexOf(products->dataArray(), "CL005");
        QVERIFY(row >= 0);
        TableViewCell *cell = cellAt(products, row);
        QVERIFY(cell);
        QCOMPARE(labelText(cell, "title"), QString("澄岚·鑫享5号集合资金信托计划"));
        QCOMPARE(labelText(cell, "yqnhsyl"), QString("6.3％"));
        QCOMPARE(labelText(cell, "rgqd"), QString("5万元"));
        QCOMPARE(labelText(cell, "cxqx"), products->dataArray().at(row).w_xtqx);
        QVERIFY(!cell->findChild<QLabel *>("isrx")->pixmap().isNull());
    }

    void productsTabLaterRowsShowTheirAmounts()
    {
        QZProductViewController *products = openProducts();
        QTRY_COMPARE(rows(products), 10);
        products->findChild<TableView *>("tableView")->loadMoreFooter()->beginRefreshing();
        QTRY_COMPARE(rows(products), 20);
        products->findChild<TableView *>("tableView")->loadMoreFooter()->beginRefreshing();
        QTRY_COMPARE(rows(products), 30);
        const int small = indexOf(products->dataArray(), "CL010"); // starting amount 9999
        QVERIFY(small >= 0);
        QCOMPARE(labelText(cellAt(products, small), "rgqd"), QString("0万元"));
        const int tenThousand = indexOf(products->dataArray(), "CL018");
        QVERIFY(tenThousand >= 0);
        QCOMPARE(labelText(cellAt(products, tenThousand), "rgqd"), QString("1万元"));
    }

    void productsTabRowOpensTheDetail()
    {
        QZProductViewController *products = openProducts();
        QTRY_COMPARE(rows(products), 10);
        auto *table = products->findChild<TableView *>("tableView");
        table->tapRowAtIndexPath({0, 2});
        auto *detail = qobject_cast<QZDetailProductViewController *>(m_nav->topViewController());
        QVERIFY(detail);
        QCOMPARE(detail->model().w_cpdm, products->dataArray().at(2).w_cpdm);
        QCOMPARE(detail->model().w_cpmc, products->dataArray().at(2).w_cpmc);
        QVERIFY(!table->indexPathForSelectedRow()); // deselected again
    }

    void productsTabNetworkFailure()
    {
        m_gateway->gateway().setFault(kHotProducts, GatewayFault::status(500));
        QZProductViewController *products = openProducts();
        expectMessageAlert("您还没有连接到网络");
        QCOMPARE(rows(products), 0);
    }

    void productsTabFailedPageKeepsTheRows()
    {
        QZProductViewController *products = openProducts();
        QTRY_COMPARE(rows(products), 10);
        m_gateway->gateway().setFault(kHotProducts, GatewayFault::status(503));
        products->footerRereshing();
        expectMessageAlert("您还没有连接到网络");
        QCOMPARE(rows(products), 10);
        QCOMPARE(m_toasts->size(), 0);
    }

    void productsTabRefusedPageAddsNothing()
    {
        QZProductViewController *products = openProducts();
        QTRY_COMPARE(rows(products), 10);
        // The list does not read the flag: a refusal is simply a page without records.
        m_gateway->gateway().setFault(kHotProducts, GatewayFault::refuse("系统维护中"));
        products->footerRereshing();
        QTRY_COMPARE(m_toasts->size(), 1);
        QCOMPARE(m_toasts->first().at(0).toString(), kNoMore);
        QVERIFY(!AlertController::frontMost(m_window.get()));
        QCOMPARE(rows(products), 10);
    }

    void trustListPagesWithItsFilters()
    {
        TrustViewController *trusts = openTrusts();
        QCOMPARE(trusts->title(), QString("证券信托产品"));
        QTRY_COMPARE(rows(trusts), 10);
        const QJsonObject filters{{"w_cplx", "2"}, {"w_sfxs", "1"}, {"w_zt", "1"}};
        QList<SentRequest> sent = sentWith(*m_requests, kTrustProducts);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().params, filters);
        QCOMPARE(sent.first().paramsExt, paging("0", true));

        LoadMoreFooter *footer = trusts->findChild<TableView *>("tableView")->loadMoreFooter();
        footer->beginRefreshing();
        QTRY_COMPARE(rows(trusts), 11);
        sent = sentWith(*m_requests, kTrustProducts);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.last().params, filters);
        QCOMPARE(sent.last().paramsExt, paging("10", false)); // no orderby after the first page
        QCOMPARE(m_toasts->size(), 0);

        footer->beginRefreshing();
        QTRY_COMPARE(m_toasts->size(), 1);
        QCOMPARE(m_toasts->first().at(0).toString(), kNoMore);
        QCOMPARE(m_toasts->first().at(1).toDouble(), 1.5);
        QCOMPARE(sentWith(*m_requests, kTrustProducts).last().paramsExt, paging("11", false));
        QCOMPARE(rows(trusts), 11);

        QSet<QString> codes;
        for (const TrustProductModel &t : trusts->dataArray())
            codes.insert(t.w_cpdm);
        QCOMPARE(codes, (QSet<QString>{"ZQ001", "ZQ002", "ZQ003", "ZQ004", "ZQ005", "ZQ006",
                                       "ZQ007", "ZQ008", "ZQ009", "ZQ010", "ZQ011"}));
    }

    void trustListRowsShowNetValueAndAmount()
    {
        TrustViewController *trusts = openTrusts();
        QTRY_COMPARE(rows(trusts), 10);
        trusts->footerRereshing();
        QTRY_COMPARE(rows(trusts), 11);

        struct Expected
        {
            const char *code;
            const char *amount;
            bool badge;
        };
        for (const Expected &e :
             {Expected{"ZQ007", "9999元", false}, Expected{"ZQ008", "2万元", false},
              Expected{"ZQ004", "5万元", false}, Expected{"ZQ001", "100万元", true}}) {
            const int row = indexOf(trusts->dataArray(), e.code);
            QVERIFY2(row >= 0, e.code);
            const TrustProductModel &t = trusts->dataArray().at(row);
            TableViewCell *cell = cellAt(trusts, row);
            QVERIFY2(cell, e.code);
            QCOMPARE(labelText(cell, "title"), t.w_cpmc);
            QCOMPARE(labelText(cell, "yqnhsyl"),
                     t.zxjz); // the latest net value in place of a yield
            QCOMPARE(labelText(cell, "rgqd"), QString::fromUtf8(e.amount));
            QCOMPARE(labelText(cell, "cxqx"), t.w_xtqx);
            QCOMPARE(cell->findChild<QLabel *>("isrx")->isVisibleTo(cell), e.badge);
        }
    }

    void listsUseTallCards()
    {
        QZProductViewController *products = openProducts();
        QTRY_COMPARE(rows(products), 10);
        auto *table = products->findChild<TableView *>("tableView");
        QCOMPARE(table->rectForRowAtIndexPath({0, 0}).height(), 160);
        QCOMPARE(table->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        TrustViewController *trusts = openTrusts();
        QTRY_COMPARE(rows(trusts), 10);
        table = trusts->findChild<TableView *>("tableView");
        QCOMPARE(table->rectForRowAtIndexPath({0, 3}).height(), 160);
        QCOMPARE(table->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void trustListRowOpensTheTrustDetail()
    {
        ScreenRegistry::instance().add("QZTrustDetailViewController",
                                       [] { return new TrustDetailStub; });
        TrustViewController *trusts = openTrusts();
        QTRY_COMPARE(rows(trusts), 10);
        auto *table = trusts->findChild<TableView *>("tableView");
        table->tapRowAtIndexPath({0, 4});
        auto *detail = qobject_cast<TrustDetailStub *>(m_nav->topViewController());
        QVERIFY(detail);
        const TrustProductModel &row = trusts->dataArray().at(4);
        QCOMPARE(detail->m_jzmodel.w_cpdm, row.w_cpdm);
        QCOMPARE(detail->m_jzmodel.w_cpmc, row.w_cpmc);
        QCOMPARE(detail->m_jzmodel.zxjz, row.zxjz);
        QVERIFY(!table->indexPathForSelectedRow());
    }

    void trustListBackGoesToTheRoot()
    {
        m_nav = new BaseNavigationViewController(new RootViewController);
        m_window->setRootViewController(m_nav);
        m_nav->pushViewController(new RootViewController, false);
        QPointer<TrustViewController> trusts = new TrustViewController;
        m_nav->pushViewController(trusts, false);
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        auto *back = qobject_cast<QPushButton *>(trusts->navigationItem()->leftWidget());
        QVERIFY(back);
        TrustViewController *const screen = trusts.data();
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(posted.size(), 1);
        QCOMPARE(posted.first().at(0).toString(), Notification::Appearance);
        QCOMPARE(posted.first().at(1).value<QObject *>(), screen);
        QCOMPARE(m_nav->viewControllers().size(), 1);
        QTRY_VERIFY(trusts.isNull());
    }

    void trustListNetworkFailure()
    {
        m_gateway->gateway().setFault(kTrustProducts, GatewayFault::status(500));
        TrustViewController *trusts = openTrusts();
        expectMessageAlert("您还没有连接到网络");
        QCOMPARE(rows(trusts), 0);
    }

    void classroomListsThreeTexts()
    {
        auto *classroom = openOver<QZTrustClassViewController>();
        QCOMPARE(classroom->title(), QString("信托讲堂"));
        QCOMPARE(rows(classroom), 3);
        const QStringList titles{"信托法", "信托公司管理方法", "信托公司集合资金信托计划管理办法"};
        for (int row = 0; row < 3; ++row) {
            TableViewCell *cell = cellAt(classroom, row);
            QVERIFY(cell);
            QCOMPARE(labelText(cell, "nameLabel"), titles.at(row));
        }
    }

    void classroomNextButtonOpensItsText()
    {
        auto *classroom = openOver<QZTrustClassViewController>();
        QPushButton *next = nullptr;
        for (QPushButton *b : classroom->findChildren<QPushButton *>()) {
            if (b->property("tag").toInt() == 10012)
                next = b;
        }
        QVERIFY(next);
        QTest::mouseClick(next, Qt::LeftButton);
        auto *text = qobject_cast<TrustClassDetailViewController *>(m_nav->topViewController());
        QVERIFY(text);
        QCOMPARE(text->string(), QString("信托公司集合资金信托计划管理办法"));
        QVERIFY(!text->detailString().isEmpty());
        QCOMPARE(text->title(), QString("信托讲堂"));
    }

    void classroomRowsOpenTheirTexts()
    {
        auto *classroom = openOver<QZTrustClassViewController>();
        QStringList texts;
        for (int row = 0; row < 3; ++row) {
            classroom->findChild<TableView *>("tableView")->tapRowAtIndexPath({0, row});
            auto *text = qobject_cast<TrustClassDetailViewController *>(m_nav->topViewController());
            QVERIFY(text);
            QVERIFY(!text->detailString().isEmpty());
            texts.append(text->detailString());
            m_nav->popViewControllerAnimated(false);
        }
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 3); // three different texts
    }

    void classroomHeaderOpensTheIndustryPage()
    {
        auto *classroom = openOver<QZTrustClassViewController>();
        QTest::mouseClick(classroom->findChild<QPushButton *>("headControl"), Qt::LeftButton);
        auto *page = qobject_cast<TrustHYViewController *>(m_nav->topViewController());
        QVERIFY(page);
        QCOMPARE(page->title(), QString("信托讲堂"));
    }

    void classroomBackPostsAppearance()
    {
        QPointer<QZTrustClassViewController> classroom = openOver<QZTrustClassViewController>();
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(classroom->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(posted.size(), 1);
        QCOMPARE(posted.first().at(0).toString(), Notification::Appearance);
        QCOMPARE(m_nav->viewControllers().size(), 1);
        QTRY_VERIFY(classroom.isNull());
    }

private:
    QZProductViewController *openProducts()
    {
        auto *products = new QZProductViewController;
        m_nav = new BaseNavigationViewController(products);
        m_window->setRootViewController(m_nav);
        return products;
    }

    TrustViewController *openTrusts() { return openOver<TrustViewController>(); }

    template <class Screen> Screen *openOver()
    {
        m_nav = new BaseNavigationViewController(new RootViewController);
        m_window->setRootViewController(m_nav);
        auto *screen = new Screen;
        m_nav->pushViewController(screen, false);
        return screen;
    }

    template <class Record> static int indexOf(const QList<Record> &records, const QString &code)
    {
        for (int i = 0; i < records.size(); ++i) {
            if (records.at(i).w_cpdm == code)
                return i;
        }
        return -1;
    }

    void expectMessageAlert(const QString &message)
    {
        QTRY_VERIFY(AlertController::frontMost(m_window.get()));
        AlertController *alert = AlertController::frontMost(m_window.get());
        QVERIFY(alert->title().isEmpty());
        QCOMPARE(alert->message(), message);
        QCOMPARE(alert->actionTitles(), QStringList{"取消"});
    }

    std::unique_ptr<TestGateway> m_gateway;
    std::unique_ptr<QSignalSpy> m_requests;
    std::unique_ptr<QSignalSpy> m_toasts;
    std::unique_ptr<PhoneWindow> m_window;
    BaseNavigationViewController *m_nav = nullptr;
};

QTEST_MAIN(TestProductLists)
#include "test_product_lists.moc"
