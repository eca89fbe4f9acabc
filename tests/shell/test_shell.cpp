// Launch through the splash advertisement into the tab bar, and the tab bar's behaviour.
#include "AdvertisementViewController.h"
#include "AlertController.h"
#include "AppDelegate.h"
#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "RootViewController.h"
#include "SessionStore.h"
#include "TabbarView.h"
#include "TabbarViewController.h"
#include "Telephone.h"
#include "TestGateway.h"
#include "UserDefaults.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_gateway = std::make_unique<TestGateway>();
        m_app = std::make_unique<AppDelegate>(PhoneWindow::defaultSize());
    }

    void cleanup()
    {
        m_app.reset();
        m_gateway.reset();
    }

    void oneAdvertisementCountsDownToTheTabBar()
    {
        QSignalSpy shown(m_app.get(), &AppDelegate::tabBarShown);
        AdvertisementViewController *splash = startSplash();
        QTRY_COMPARE(splash->totalNum(), 1);
        QVERIFY(splash->findChild<QPushButton *>("skipButton"));
        QVERIFY(splash->isCountingDown());
        int left = -1; // the countdown when the tab bar came: it waited for all of it
        connect(m_app.get(), &AppDelegate::tabBarShown, this,
                [&left, splash]() { left = splash->countdown(); });
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(left, 0);
        QCOMPARE(m_app->tabbarController()->selectedSlot(), 0);
    }

    void skipReplacesTheRootExactlyOnce()
    {
        QSignalSpy shown(m_app.get(), &AppDelegate::tabBarShown);
        QPointer<AdvertisementViewController> splash = startSplash(10000);
        QTRY_VERIFY(splash->findChild<QPushButton *>("skipButton"));
        auto *skip = splash->findChild<QPushButton *>("skipButton");
        QTest::mouseClick(skip, Qt::LeftButton);
        QTest::mouseClick(skip, Qt::LeftButton);
        QTRY_COMPARE(shown.size(), 1);
        // The splash goes, its countdown with it: nothing can finish it a second time.
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(shown.size(), 1);
    }

    void noneOrSeveralAdvertisementsWaitForSkip_data()
    {
        QTest::addColumn<bool>("several");
        QTest::newRow("none") << false;
        QTest::newRow("several") << true;
    }

    void noneOrSeveralAdvertisementsWaitForSkip()
    {
        QFETCH(bool, several);
        if (several) {
            QVERIFY(m_gateway->loadEditedDataset([](QJsonObject &dataset) {
                QJsonArray splash = dataset.value("splash").toArray();
                QJsonObject extra = splash.first().toObject();
                extra.insert("id", "99");
                extra.insert("is_display", "1");
                splash.append(extra);
                dataset.insert("splash", splash);
            }));
        } else {
            m_gateway->gateway().setFault(FunctionCode::SplashAdverts, GatewayFault::emptyArray());
        }
        QSignalSpy shown(m_app.get(), &AppDelegate::tabBarShown);
        AdvertisementViewController *splash = startSplash();
        QTRY_VERIFY(splash->findChild<QPushButton *>("skipButton"));
        QCOMPARE(splash->totalNum() >= 2, several);
        QVERIFY(!splash->isCountingDown());
        QCOMPARE(shown.size(), 0);
        QTest::mouseClick(splash->findChild<QPushButton *>("skipButton"), Qt::LeftButton);
        QTRY_COMPARE(shown.size(), 1);
    }

    void networkFailureGoesStraightOn()
    {
        m_gateway->gateway().setFault(FunctionCode::SplashAdverts, GatewayFault::status(500));
        QSignalSpy shown(m_app.get(), &AppDelegate::tabBarShown);
        m_app->start();
        QTRY_COMPARE(shown.size(), 1);
        QVERIFY(!AlertController::frontMost(m_app->window()));
    }

    // A hanging gateway does not keep the customer on the splash: it goes on, silently.
    void hangingGatewayGoesOnAfterAWhile()
    {
        m_gateway->gateway().setFault(FunctionCode::SplashAdverts, GatewayFault::delay(60000));
        QSignalSpy shown(m_app.get(), &AppDelegate::tabBarShown);
        QPointer<AdvertisementViewController> splash = startSplash();
        QVERIFY(splash);
        splash->setGiveUpInterval(50);
        QTRY_COMPARE(shown.size(), 1);
        QVERIFY(!AlertController::frontMost(m_app->window()));
    }

    // However many pictures the server sends, the splash shows a handful.
    void manyAdvertisementsShowAHandful()
    {
        QVERIFY(m_gateway->loadEditedDataset([](QJsonObject &dataset) {
            QJsonArray splash = dataset.value("splash").toArray();
            QJsonObject extra = splash.first().toObject();
            extra.insert("is_display", "1");
            for (int i = 0; i < 40; ++i) {
                extra.insert("id", QString::number(100 + i));
                splash.append(extra);
            }
            dataset.insert("splash", splash);
        }));
        AdvertisementViewController *splash = startSplash();
        QTRY_VERIFY(splash->findChild<QPushButton *>("skipButton"));
        QCOMPARE(splash->totalNum(), AdvertisementViewController::kMaxPages);
        QCOMPARE(splash->imageUrls().size(), AdvertisementViewController::kMaxPages);
    }

    void tabsSwitchByTapsAndNotifications()
    {
        TabbarViewController *tabs = showTabBar();
        QVERIFY(tabs);
        TabbarView *bar = tabs->tabbarView();
        QTest::mouseClick(bar->buttonWithTag(102), Qt::LeftButton);
        QCOMPARE(tabs->selectedSlot(), 1);
        QTest::mouseClick(bar->buttonWithTag(105), Qt::LeftButton);
        QCOMPARE(tabs->selectedSlot(), 4);
        tabs->touchBtnAtIndex(2);
        QCOMPARE(tabs->selectedSlot(), 4); // the call button is never a tab
        auto *center = NotificationCenter::defaultCenter();
        center->postNotificationName(Notification::Change1);
        QCOMPARE(tabs->selectedSlot(), 1);
        center->postNotificationName(Notification::Change3);
        QCOMPARE(tabs->selectedSlot(), 3);
        center->postNotificationName(Notification::Change4);
        QCOMPARE(tabs->selectedSlot(), 4);
        center->postNotificationName(Notification::Hidden);
        QVERIFY(tabs->isTabBarHidden());
        center->postNotificationName(Notification::Appearance);
        QVERIFY(!tabs->isTabBarHidden());
    }

    void tabsKeepTheirStacks()
    {
        TabbarViewController *tabs = showTabBar();
        QVERIFY(tabs);
        BaseNavigationViewController *home = tabs->navigationForSlot(0);
        home->pushViewController(new RootViewController, false);
        QVERIFY(tabs->isTabBarHidden()); // a push hides the bar
        tabs->touchBtnAtIndex(3);
        tabs->touchBtnAtIndex(0);
        QCOMPARE(home->viewControllers().size(), 2);
        // Back at the root the bar shows, whatever the screen posted on its way out.
        home->popViewControllerAnimated(false);
        QVERIFY(!tabs->isTabBarHidden());
    }

    void callButtonAsksThenDials()
    {
        TabbarViewController *tabs = showTabBar();
        QVERIFY(tabs);
        QStringList opened;
        Telephone::setHandler([&opened](const QString &url) {
            opened.append(url);
            return true;
        });
        QTest::mouseClick(tabs->tabbarView()->buttonWithTag(103), Qt::LeftButton);
        AlertController *alert = AlertController::frontMost(tabs);
        QVERIFY(alert);
        QCOMPARE(alert->title(), QString("立即拨打400-820-8820进行业务咨询"));
        QCOMPARE(alert->actionTitles(), (QStringList{"呼叫", "取消"}));
        QCOMPARE(tabs->selectedSlot(), 0);
        alert->tapAction("呼叫");
        QCOMPARE(opened, QStringList{"tel://4008208820"});
        QTRY_VERIFY(!AlertController::frontMost(tabs));
    }

    void deviceThatCannotDialSaysSo()
    {
        TabbarViewController *tabs = showTabBar();
        QVERIFY(tabs);
        Telephone::setHandler([](const QString &) { return false; });
        tabs->phoneAlert();
        AlertController *alert = AlertController::frontMost(tabs);
        QVERIFY(alert);
        QCOMPARE(alert->title(), QString("温馨提示"));
        QCOMPARE(alert->message(), QString("该设备不支持拨号！"));
        QCOMPARE(alert->actionTitles(), (QStringList{"复制号码", "返回"}));
        QVERIFY(alert->tapAction("复制号码"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("400-820-8820"));
    }

    void storeThatCannotBeWrittenIsToldOnce()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("blocker")); // a file where the data folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TabbarViewController *tabs = showTabBar();
        QVERIFY(tabs);
        UserDefaults::standard().open(dir.filePath("blocker/user-defaults.json"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        SessionStore::storeSignIn("身份证", "11010519491231002X", "secret1");
        SessionStore::setLoginInStatus();
        QTRY_VERIFY(AlertController::frontMost(tabs));
        AlertController *alert = AlertController::frontMost(tabs);
        QCOMPARE(alert->title(), QStringLiteral("无法保存数据"));
        QVERIFY(alert->message().contains("仅在本次使用中有效"));
        QVERIFY(alert->tapAction(QStringLiteral("确定")));
        QTRY_VERIFY(!AlertController::frontMost(tabs));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        SessionStore::removeLoginInStatus();
        QCoreApplication::processEvents();
        QVERIFY(!AlertController::frontMost(tabs));
    }

private:
    // The splash of a started client, its countdown stepping every `stepMs`.
    AdvertisementViewController *startSplash(int stepMs = 1)
    {
        m_app->start();
        auto *splash =
            qobject_cast<AdvertisementViewController *>(m_app->window()->rootViewController());
        if (splash)
            splash->setStepInterval(stepMs);
        return splash;
    }

    // The tab bar at once (the splash request fails), or null when it never came.
    TabbarViewController *showTabBar()
    {
        m_gateway->gateway().setFault(FunctionCode::SplashAdverts, GatewayFault::status(500));
        m_app->start();
        (void)QTest::qWaitFor([this]() { return m_app->tabbarController() != nullptr; }, 5000);
        return m_app->tabbarController();
    }

    std::unique_ptr<TestGateway> m_gateway;
    std::unique_ptr<AppDelegate> m_app;
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
