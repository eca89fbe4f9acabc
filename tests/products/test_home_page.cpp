// The home page against the demo gateway: its carousel and its timer, the nine function
// buttons, the sign-in button, and the start-up lock.
#include "AdvertisingColumn.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "PagingScrollView.h"
#include "ProductScreens.h"
#include "QZHomePageViewController.h"
#include "ScreenFixture.h"
#include "SessionStore.h"
#include "ShellScreens.h"
#include "StubScreen.h"
#include "UserDefaults.h"

#include <QJsonArray>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kCarousel = QStringLiteral("164002");

// The carousel's entries replaced by these: [rela_path, link_url, urltarget_type] each.
std::function<void(QJsonObject &)> carouselOf(const QList<QStringList> &entries)
{
    return [entries](QJsonObject &dataset) {
        QJsonArray carousel;
        for (const QStringList &e : entries)
            carousel.append(QJsonObject{{"id", QString::number(carousel.size() + 1)},
                                        {"rela_path", e.at(0)},
                                        {"link_url", e.at(1)},
                                        {"urltarget_type", e.at(2)},
                                        {"system_type", "3"},
                                        {"is_enabled", "1"}});
        dataset.insert("carousel", carousel);
    };
}

} // namespace

class TestHomePage final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerShellScreens();
        registerProductScreens();
        StubScreen::standFor({"QZCustomViewController", "QZRegister1ViewController",
                              "MessageDetailsViewController", "KVGestureViewController",
                              "QZAccountViewController"});
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
        m_posted = std::make_unique<QSignalSpy>(NotificationCenter::defaultCenter(),
                                                &NotificationCenter::posted);
    }
    void cleanup()
    {
        m_posted.reset();
        m_phone.reset();
    }

    void loadingAsksForTheCarouselAndTheTrusts()
    {
        UserDefaults::standard().setObject("loginInStatus", QStringLiteral("YES"));
        QZHomePageViewController *home = openHome();
        QCOMPARE(home->title(), QString("澄岚信托"));
        QTRY_COMPARE(home->headerView()->totalNum(), 3); // the fourth entry has no picture
        QTRY_VERIFY(!home->datajzArray().isEmpty());
        QCOMPARE(m_phone->sent(kCarousel).first().params,
                 (QJsonObject{{"system_type", "3"}, {"is_enabled", "1"}}));
        QCOMPARE(m_phone->sent("164000").first().params, (QJsonObject{{"w_cplx", "2"}}));
        QVERIFY(!UserDefaults::standard().stringForKey("loginInStatus"));
        QVERIFY(postedNames(*m_posted).contains(Notification::Appearance));
        // The carousel is 7/19 of what the bars leave: 167 points on a 568-point phone.
        QCOMPARE(home->headerView()->height(), 167);
    }

    void carouselAdvancesAndWraps()
    {
        QZHomePageViewController *home = openHome();
        AdvertisingColumn *carousel = home->headerView();
        QTRY_COMPARE(carousel->totalNum(), 3);
        carousel->setInterval(3600 * 1000); // only the firing on opening advances
        QList<int> pages;
        for (int i = 0; i < 4; ++i) {
            carousel->openTimer();
            pages.append(carousel->currentPage());
        }
        QCOMPARE(pages, (QList<int>{1, 2, 0, 1}));
        QVERIFY(carousel->isTimerRunning());
        // Hidden, it pauses; dragged, it pauses until the finger lets go.
        m_phone->push(new RootViewController);
        QVERIFY(!carousel->isTimerRunning());
        m_phone->nav()->popViewControllerAnimated(false);
        emit carousel->findChild<PagingScrollView *>()->dragBegan();
        QVERIFY(!carousel->isTimerRunning());
        emit carousel->findChild<PagingScrollView *>()->dragEnded();
        QVERIFY(carousel->isTimerRunning());
    }

    void carouselStartsAfterTheDelay()
    {
        auto *home = new QZHomePageViewController;
        home->setCarouselDelay(1);
        m_phone->push(home);
        QTRY_COMPARE(home->headerView()->totalNum(), 3);
        // Each time the page appears, the carousel starts after the delay.
        m_phone->push(new RootViewController);
        m_phone->nav()->popViewControllerAnimated(false);
        QTRY_VERIFY(home->headerView()->isTimerRunning());
    }

    void oneImageDoesNotAdvance()
    {
        QVERIFY(m_phone->testGateway().loadEditedDataset(
            carouselOf({{"carousel/banner-wealth.png", "", "2"}})));
        QZHomePageViewController *home = openHome();
        AdvertisingColumn *carousel = home->headerView();
        QTRY_COMPARE(carousel->totalNum(), 1);
        carousel->openTimer();
        QCOMPARE(carousel->currentPage(), 0);
        QVERIFY(!carousel->isTimerRunning()); // it paused itself on its first firing
    }

    void emptyCarousel_data()
    {
        QTest::addColumn<bool>("failed");
        QTest::addColumn<bool>("placeholder");
        QTest::newRow("entries without pictures: comment_gray") << false << true;
        QTest::newRow("failed request: white, no dots") << true << false;
    }

    void emptyCarousel()
    {
        QFETCH(bool, failed);
        QFETCH(bool, placeholder);
        if (failed)
            m_phone->gateway().setFault(kCarousel, GatewayFault::status(500));
        else
            QVERIFY(m_phone->testGateway().loadEditedDataset(carouselOf({{"", "x", "1"}})));
        QZHomePageViewController *home = openHome();
        if (failed)
            QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        QTRY_COMPARE(m_phone->sent(kCarousel).size(), 1);
        QTRY_COMPARE(home->headerView()->findChild<QLabel *>("emptyImage") != nullptr, placeholder);
        QCOMPARE(home->headerView()->totalNum(), 0);
    }

    void carouselTaps_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("posted");
        // clang-format off
        QTest::newRow("1 opens the link")        << "https://example.cn/a.html" << "1" << "MessageDetailsViewController" << "";
        QTest::newRow("1 without link: nothing") << "" << "1" << "" << "";
        QTest::newRow("2 switches to products")  << "" << "2" << "" << "change1";
        QTest::newRow("3 opens the activities")  << "" << "3" << "QZCustomViewController" << "";
        QTest::newRow("other: nothing")          << "x" << "7" << "" << "";
        // clang-format on
    }

    void carouselTaps()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(QString, opened);
        QFETCH(QString, posted);
        QVERIFY(m_phone->testGateway().loadEditedDataset(
            carouselOf({{"carousel/banner-wealth.png", link, target}})));
        QZHomePageViewController *home = openHome();
        QTRY_COMPARE(home->headerView()->totalNum(), 1);
        m_posted->clear();
        QTest::mouseClick(home->headerView()->findChild<PagingScrollView *>(), Qt::LeftButton);
        auto *stub = m_phone->top<StubScreen>();
        QCOMPARE(stub ? stub->openedAs : QString(), opened);
        if (stub && target == "1") {
            QCOMPARE(stub->detailsUrl, link);
            QCOMPARE(stub->urltarget_type, QString("1"));
        }
        const QStringList names = postedNames(*m_posted);
        QCOMPARE(names.contains("change1"), posted == "change1");
    }

    void functionButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opened"); // a class name, or the notification posted
        // clang-format off
        QTest::newRow("1000 hot products")   << "reButton" << "change1";
        QTest::newRow("1001 trusts")         << "jzButton" << "TrustViewController";
        QTest::newRow("1002 activities")     << "khButton" << "QZCustomViewController";
        QTest::newRow("1003 company news")   << "gyButton" << "change3";
        QTest::newRow("1004 user guide")     << "yhButton" << "QZGuideViewController";
        QTest::newRow("1005 classroom")      << "xtButton" << "QZTrustClassViewController";
        QTest::newRow("1006 account")        << "wdButton" << "change4";
        QTest::newRow("1007 registration")   << "ksButton" << "QZRegister1ViewController";
        QTest::newRow("1008 online trading") << "tsButton" << "OnlineTradingViewController";
        // clang-format on
    }

    void functionButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, opened);
        QZHomePageViewController *home = openHome();
        m_posted->clear();
        QVERIFY(tap(home, button.toLatin1().constData()));
        ViewController *top = m_phone->nav()->topViewController();
        const QString shown = top == home ? postedNames(*m_posted).value(0)
                              : qobject_cast<StubScreen *>(top)
                                  ? qobject_cast<StubScreen *>(top)->openedAs
                                  : QString::fromLatin1(top->metaObject()->className());
        QCOMPARE(shown, opened);
    }

    void signInButton()
    {
        QZHomePageViewController *home = openHome();
        auto *button = qobject_cast<QPushButton *>(home->navigationItem()->rightWidget());
        QCOMPARE(button->text(), QString("登录"));
        QCOMPARE(button->width(), 50);
        m_posted->clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(postedNames(*m_posted), QStringList{"change4"});

        m_phone->signIn();
        Constant::shareConstant()->setIsLogin(true);
        m_phone->push(new RootViewController);
        m_phone->nav()->popViewControllerAnimated(false);
        QCOMPARE(button->text(), QString("您好:王澄宇"));
        QCOMPARE(button->width(), 80);
        m_posted->clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!postedNames(*m_posted).contains("change4"));
    }

    void storedGestureOpensTheStartUpLock()
    {
        SessionStore::setGestureFinal("14789");
        openHome();
        QTRY_VERIFY(m_phone->top<StubScreen>());
        auto *lock = m_phone->top<StubScreen>();
        QVERIFY(lock);
        QCOMPARE(lock->openedAs, QString("KVGestureViewController"));
        QVERIFY(lock->IsLogin);
        QCOMPARE(lock->gesturePasswordType, 0u);
    }

    void storedCustomerNumberWithoutTypeOpensTheAccount()
    {
        UserDefaults::standard().setObject("userDectionary", QJsonObject{{"custno", "100001"}});
        openHome();
        QTRY_VERIFY(m_phone->top<StubScreen>());
        QCOMPARE(m_phone->top<StubScreen>()->openedAs, QString("QZAccountViewController"));
    }

private:
    QZHomePageViewController *openHome() { return m_phone->push(new QZHomePageViewController); }

    std::unique_ptr<ScreenFixture> m_phone;
    std::unique_ptr<QSignalSpy> m_posted;
};

QTEST_MAIN(TestHomePage)
#include "test_home_page.moc"
