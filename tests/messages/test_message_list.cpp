// The message list and the company news against the demo gateway: what they ask for page by
// page, what their rows show, where a row leads, and the article from either side.
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "Formatting.h"
#include "LoadMoreFooter.h"
#include "MessageScreens.h"
#include "NavigationItem.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "QZInfomationDetailViewController.h"
#include "QZInformationViewController.h"
#include "QZMessageViewController.h"
#include "ScreenFixture.h"
#include "ScreenRegistry.h"
#include "SegmentedControl.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "Telephone.h"
#include "WebView.h"

#include <QJsonArray>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace ScreenProbe;

namespace {

const QString kMessages = QStringLiteral("164010");
const QString kRead = QStringLiteral("164019");
const QString kProducts = QStringLiteral("164000");
const QString kNews = QStringLiteral("164006");
const QString kNoMore = QStringLiteral("没有更多数据了！");

TableView *tableOf(QWidget *screen)
{
    return screen->findChild<TableView *>("tableView");
}

int rows(QWidget *screen)
{
    return tableOf(screen)->numberOfRowsInSection(0);
}

QJsonObject paging(const QString &offset, const char *orderField)
{
    return {{"row_count", "10"},
            {"row_offset", offset},
            {"orderby", QJsonObject{{orderField, "desc"}}}};
}

QStringList offsets(const QList<SentRequest> &sent)
{
    QStringList out;
    for (const SentRequest &request : sent)
        out.append(request.paramsExt.value("row_offset").toString());
    return out;
}

template <class Record, class Match> int indexOf(const QList<Record> &records, Match match)
{
    for (int i = 0; i < records.size(); ++i) {
        if (match(records.at(i)))
            return i;
    }
    return -1;
}

// Stands in for the product detail, which only has to receive what the list hands over.
class ProductDetailStub : public RootViewController
{
    Q_OBJECT
    Q_PROPERTY(modelForProd model READ model WRITE setModel)
    Q_PROPERTY(QString belongto MEMBER m_belongto)

public:
    modelForProd model() const { return m_model; }
    void setModel(const modelForProd &model) { m_model = model; }
    modelForProd m_model;
    QString m_belongto;
};

} // namespace

Q_DECLARE_METATYPE(GatewayFault)

class TestMessageList final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerMessageScreens();
        ScreenRegistry::instance().add("QZDetailProductViewController",
                                       [] { return new ProductDetailStub; });
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
        m_phone->signIn();
    }
    void cleanup() { m_phone.reset(); }

    void messagesPageByRowsHeld()
    {
        // 25 messages: the demo customer's three oldest maturity notices go.
        QVERIFY(m_phone->testGateway().loadEditedDataset([](QJsonObject &dataset) {
            QJsonArray kept;
            for (const QJsonValue &m : dataset.value("messages").toArray()) {
                const QString sent = m["send_time"].toString();
                if (!(m["khbh"] == "100001" && sent.startsWith("20") && sent < "20260101"))
                    kept.append(m);
            }
            dataset.insert("messages", kept);
        }));
        auto *messages = m_phone->push(new QZMessageViewController);
        QCOMPARE(messages->title(), QString("我的消息"));
        QTRY_COMPARE(rows(messages), 10);
        LoadMoreFooter *footer = tableOf(messages)->loadMoreFooter();
        for (const int held : {20, 25}) {
            footer->beginRefreshing();
            QTRY_COMPARE(rows(messages), held);
        }
        footer->beginRefreshing();
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{kNoMore});
        QCOMPARE(m_phone->toastDurations(), QList<double>{1.5});
        QCOMPARE(rows(messages), 25);
        const QList<SentRequest> sent = m_phone->sent(kMessages);
        QCOMPARE(offsets(sent), (QStringList{"0", "10", "20", "25"}));
        QCOMPARE(sent.first().params, (QJsonObject{{"khbh", "100001"},
                                                   {"send_cust", "3"},
                                                   {"query_today", "true"},
                                                   {"include_product_message", "true"},
                                                   {"system_type", "3"}}));
        QCOMPARE(sent.last().paramsExt, paging("25", "send_time"));
    }

    // One row per look: the kind, the unread mark, the title, the line under it, the date.
    void messageRowsShow_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("unread");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("date");
        // clang-format off
        QTest::newRow("unread news")   << "澄岚信托荣获2026年度“优秀信托公司”称号" << "资讯" << true << "中国证券报" << "2026-12-01";
        QTest::newRow("read news")     << "2026年三季度信托业运行数据解读" << "资讯" << false << "中国信托业协会" << "2026-11-28";
        // clang-format on
    }

    void messageRowsShow()
    {
        QFETCH(QString, title);
        QFETCH(QString, kind);
        QFETCH(bool, unread);
        QFETCH(QString, line);
        QFETCH(QString, date);
        auto *messages = m_phone->push(new QZMessageViewController);
        QTRY_COMPARE(rows(messages), 10);
        const int row = indexOf(messages->dataArray(),
                                [&](const QZMessageModel &m) { return m.message_title == title; });
        TableViewCell *cell = cellAt(tableOf(messages), row);
        QCOMPARE(text(cell, "kindLabel"), kind);
        QCOMPARE(cell->findChild<QWidget *>("messageTS")->isVisibleTo(cell), unread);
        QCOMPARE(text(cell, "nameLabel"), title);
        QCOMPARE(text(cell, "contentLabel"), line);
        QCOMPARE(text(cell, "dataLabel"), date);
        QCOMPARE(tableOf(messages)->rectForRowAtIndexPath({0, row}).height(), 120);
    }

    // Selecting a message marks it read and opens what it points to without waiting.
    void selectingAMessage_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("readFault"); // "" none, else the refusal's prompt
        QTest::addColumn<GatewayFault>("productFault");
        QTest::addColumn<QString>("opens"); // "article", "product" or ""
        QTest::addColumn<QString>("alert");
        const GatewayFault none = GatewayFault::delay(0);
        // clang-format off
        QTest::newRow("news: the article")                 << "1" << "" << none << "article" << "";
        QTest::newRow("product: found by its code")        << "2" << "" << none << "product" << "";
        QTest::newRow("maturity: nothing opens")           << "3" << "" << none << "" << "";
        QTest::newRow("read mark refused: opened anyway")  << "1" << "消息不存在" << none << "article" << "消息不存在";
        QTest::newRow("product without record: nothing")   << "2" << "" << GatewayFault::emptyArray() << "" << "";
        QTest::newRow("product lookup fails: the alert")   << "2" << "" << GatewayFault::status(500) << "" << "您还没有连接到网络";
        // clang-format on
    }

    void selectingAMessage()
    {
        QFETCH(QString, type);
        QFETCH(QString, readFault);
        QFETCH(GatewayFault, productFault);
        QFETCH(QString, opens);
        QFETCH(QString, alert);
        if (!readFault.isEmpty())
            m_phone->gateway().setFault(kRead, GatewayFault::refuse(readFault));
        m_phone->gateway().setFault(kProducts, productFault);
        auto *messages = m_phone->push(new QZMessageViewController);
        QTRY_COMPARE(rows(messages), 10);
        const int row = indexOf(messages->dataArray(),
                                [&](const QZMessageModel &m) { return m.message_type == type; });
        QVERIFY(row >= 0);
        const QZMessageModel message = messages->dataArray().at(row);
        tableOf(messages)->tapRowAtIndexPath({0, row});
        QVERIFY(!tableOf(messages)->indexPathForSelectedRow());
        QCOMPARE(messages->newsId(), message.obj_id);

        QTRY_COMPARE(m_phone->sent(kRead).size(), 1);
        QCOMPARE(m_phone->sent(kRead).first().params,
                 (QJsonObject{{"khbh", "100001"},
                              {"send_cust", "3"},
                              {"message_id", message.target_id},
                              {"message_type", type},
                              {"message_status", "1"}}));
        if (opens == "article") {
            auto *article = m_phone->top<QZInfomationDetailViewController>();
            QVERIFY(article);
            QCOMPARE(article->newsId(), message.obj_id);
            QCOMPARE(article->belongto(), QString("我的消息"));
        } else if (opens == "product") {
            QTRY_VERIFY(m_phone->top<ProductDetailStub>());
            QCOMPARE(m_phone->sent(kProducts).first().params,
                     (QJsonObject{{"w_cpdm", message.w_cpdm}}));
            QCOMPARE(m_phone->top<ProductDetailStub>()->m_model.w_cpdm, message.w_cpdm);
            QCOMPARE(m_phone->top<ProductDetailStub>()->m_belongto, QString("我的消息"));
            QCOMPARE(messages->modelx().w_cpdm, message.w_cpdm);
        } else {
            if (type == "2")
                QTRY_COMPARE(m_phone->sent(kProducts).size(), 1);
            else
                QTRY_COMPARE(messages->readDataArray().size(), 1);
        }
        if (alert.isEmpty()) {
            QTRY_COMPARE(messages->readDataArray().size(), readFault.isEmpty() ? 1 : 0);
            QVERIFY(!m_phone->alert());
        } else {
            QCOMPARE(m_phone->waitForAlertMessage(), alert);
        }
        if (opens.isEmpty())
            QCOMPARE(m_phone->top<QZMessageViewController>(), messages);
    }

    void noMessagesSaysSo()
    {
        m_phone->gateway().setFault(kMessages, GatewayFault::emptyArray());
        auto *messages = m_phone->push(new QZMessageViewController);
        QWidget *empty = nullptr;
        QTRY_VERIFY((empty = messages->findChild<QWidget *>("emptyStateView")) &&
                    empty->isVisible());
        QCOMPARE(ScreenProbe::text(empty, "emptyStateText"), QString("暂无消息"));
        QVERIFY(!messages->findChild<QWidget *>("loadMoreFooter")->isVisible());
    }

    void returningFromAnArticleReloadsFromTheTop()
    {
        auto *messages = m_phone->push(new QZMessageViewController);
        QTRY_COMPARE(rows(messages), 10);
        messages->footerRereshing();
        QTRY_COMPARE(rows(messages), 20);
        const int row = indexOf(messages->dataArray(), [](const QZMessageModel &m) {
            return m.message_type == "1" && m.message_status == "0";
        });
        const QString title = messages->dataArray().at(row).message_title;
        tableOf(messages)->tapRowAtIndexPath({0, row});
        QTRY_COMPARE(messages->readDataArray().size(), 1);
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        auto *article = m_phone->top<QZInfomationDetailViewController>();
        QTest::mouseClick(qobject_cast<QPushButton *>(article->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(m_phone->top<QZMessageViewController>(), messages);
        QVERIFY(postedNames(posted).isEmpty()); // no tab root below: no "appearance"
        QTRY_COMPARE(offsets(m_phone->sent(kMessages)), (QStringList{"0", "10", "0"}));
        QTRY_COMPARE(rows(messages), 10);
        const int again = indexOf(messages->dataArray(), [&](const QZMessageModel &m) {
            return m.message_title == title;
        });
        QCOMPARE(messages->dataArray().at(again).message_status, QString("1"));
        TableViewCell *cell = cellAt(tableOf(messages), again);
        QVERIFY(!cell->findChild<QWidget *>("messageTS")->isVisibleTo(cell));
    }

    void newsListPagesAndShowsItsRows()
    {
        QVERIFY(m_phone->testGateway().loadEditedDataset([](QJsonObject &dataset) {
            QJsonArray news = dataset.value("news").toArray();
            QJsonObject second = news.at(1).toObject(); // "2": an industry article
            second.insert("begin_time", "2026112");
            news.replace(1, second);
            dataset.insert("news", news);
        }));
        auto *list = m_phone->push(new QZInformationViewController);
        QCOMPARE(list->title(), QString("关于澄岚信托"));
        QVERIFY(!list->navigationItem()->leftWidget());
        QTRY_COMPARE(rows(list), 10);
        const int row =
            indexOf(list->dataArray(), [](const QZInformationModel &a) { return a.id == "2"; });
        TableViewCell *cell = cellAt(tableOf(list), row);
        QCOMPARE(text(cell, "nameLabel"), QString("2026年三季度信托业运行数据解读"));
        QCOMPARE(text(cell, "contentLabel"), list->dataArray().at(row).brief);
        QCOMPARE(text(cell, "fromLabel"), QString("中国信托业协会"));
        QCOMPARE(text(cell, "kindLabel"), QString("行业资讯"));
        QCOMPARE(text(cell, "dataLabel"), QString()); // seven characters: no date
        QCOMPARE(text(cellAt(tableOf(list), 0), "dataLabel"), QString("2026-12-01"));

        for (const int held : {20, 27}) {
            list->footerRereshing();
            QTRY_COMPARE(rows(list), held);
        }
        list->footerRereshing();
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{kNoMore});
        const QList<SentRequest> sent = m_phone->sent(kNews);
        QCOMPARE(offsets(sent), (QStringList{"0", "10", "20", "27"}));
        QCOMPARE(sent.first().params, (QJsonObject{{"system_type", "3"}, {"status", "1"}}));
        QCOMPARE(sent.last().paramsExt, paging("27", "begin_time"));
    }

    // The tab bar shows its roots before they load, so the list is asked for rows at once.
    void newsLoadsAsAShownTabRoot()
    {
        QString error;
        std::unique_ptr<ViewController> news(
            ScreenRegistry::instance().create("QZInformationViewController", {}, &error));
        QVERIFY2(news, qPrintable(error));
        news->resize(m_phone->window()->size());
        news->show();
        news->loadViewIfNeeded();
        QTRY_COMPARE(rows(news.get()), 10);
    }

    void segmentsSwitchWithoutReloading()
    {
        auto *list = m_phone->push(new QZInformationViewController);
        QTRY_COMPARE(rows(list), 10);
        auto *about = list->findChild<WebView *>("gyWebView");
        auto *contact = list->findChild<WebView *>("lxWebView");
        QVERIFY(about->html().contains("澄岚信托有限责任公司"));
        QVERIFY(contact->html().contains("联系方式"));
        const auto shown = [list](const char *name) {
            return list->findChild<QWidget *>(name)->isVisibleTo(list);
        };
        QVERIFY(shown("tableView") && !shown("backView"));
        QVERIFY(tap(list, "segment2"));
        QVERIFY(!shown("tableView") && shown("backView") && shown("lxWebView") &&
                !shown("gyWebView"));
        QVERIFY(tap(list, "segment1"));
        QVERIFY(shown("gyWebView") && !shown("lxWebView"));
        QVERIFY(tap(list, "segment0"));
        QVERIFY(shown("tableView") && !shown("backView"));
        QCOMPARE(rows(list), 10);

        // Another screen over it and back, as another tab would: still no second request.
        m_phone->push(new RootViewController);
        m_phone->nav()->popViewControllerAnimated(false);
        QCOMPARE(rows(list), 10);
        QVERIFY(!NetworkActivityIndicator::instance()->isVisible()); // on at once for a request
        QCOMPARE(m_phone->sent(kNews).size(), 1);

        // The pages' telephone numbers dial; a device that cannot says so.
        Telephone::setHandler([](const QString &) { return false; });
        emit contact->findChild<QTextBrowser *>()->anchorClicked(QUrl("tel:4008208820"));
        QCOMPARE(Telephone::dialedUrls().last(), QString("tel://4008208820"));
        QCOMPARE(m_phone->waitForAlertMessage(), QString("该设备不支持拨号！"));
    }

    // From the list the article is handed over and its pictures come from the media host;
    // from a message it is fetched and they come from the internal media endpoint.
    void articleShows_data()
    {
        QTest::addColumn<bool>("fromMessage");
        QTest::addColumn<QString>("id");
        // clang-format off
        QTest::newRow("from the list")  << false << "1";
        QTest::newRow("from a message") << true << "3";
        // clang-format on
    }

    void articleShows()
    {
        QFETCH(bool, fromMessage);
        QFETCH(QString, id);
        QZInfomationDetailViewController *article = nullptr;
        if (fromMessage) {
            auto *screen = new QZInfomationDetailViewController;
            screen->setNewsId(id);
            screen->setBelongto("我的消息");
            article = m_phone->push(screen);
            QTRY_COMPARE(article->myMessageArray().size(), 1);
            QCOMPARE(m_phone->sent(kNews).first().params, (QJsonObject{{"id", id}}));
            QCOMPARE(m_phone->sent(kNews).first().paramsExt, QJsonObject());
        } else {
            auto *list = m_phone->push(new QZInformationViewController);
            QTRY_COMPARE(rows(list), 10);
            tableOf(list)->tapRowAtIndexPath({0, 0});
            article = m_phone->top<QZInfomationDetailViewController>();
            QVERIFY(article);
            QVERIFY(!NetworkActivityIndicator::instance()->isVisible()); // the list handed it over
        }
        const QJsonObject record = m_phone->record("news", "id", id);
        QCOMPARE(article->title(), QString("新闻详情"));
        QCOMPARE(text(article, "titleLabel"), record["title"].toString());
        QCOMPARE(text(article, "dateLabel"),
                 Formatting::GetFormateDate(record["begin_time"].toString()));
        QCOMPARE(text(article, "fromLabel"), "来源:" + record["source"].toString());
        const QString html = article->findChild<WebView *>("contentWebView")->html();
        const QString picture =
            fromMessage
                ? m_phone->gateway().internalMediaBaseUrl().toString() + "/ump/upload/user/1/news/"
                : m_phone->gateway().mediaBaseUrl().toString() + "/upload/user/1/news/";
        QVERIFY2(html.contains(QString("<img src=\"%1news-%2.png\"/>").arg(picture, id)),
                 qPrintable(html));

        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        article->LeftNavigationButtonClick();
        QCOMPARE(postedNames(posted),
                 fromMessage ? QStringList() : QStringList{Notification::Appearance});
    }

    // Opened by name as the account overview does, its purchased products handed over.
    void messagesOpenedByNameAndBackPostsAppearance()
    {
        QString error;
        auto *messages = qobject_cast<QZMessageViewController *>(ScreenRegistry::instance().create(
            "QZMessageViewController",
            {{"productsArray",
              QJsonArray{QJsonObject{{"cpmc", "澄岚·稳盈1号"}, {"htje", 1000000}}}}},
            &error));
        QVERIFY2(messages, qPrintable(error));
        QCOMPARE(messages->productsArray().size(), 1);
        QCOMPARE(messages->productsArray().first().htje, QString("1000000"));
        m_phone->push(messages);
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(messages->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(postedNames(posted), QStringList{Notification::Appearance});
        QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
    }

private:
    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestMessageList)
#include "test_message_list.moc"
