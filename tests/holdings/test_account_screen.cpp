// The account tab against the demo gateway: signing in through its form, the figures of a
// customer of type "3" and the zero texts of another, the refresh on returning, the header
// areas and the menu, and signing out.
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "HoldingsScreens.h"
#include "JfwjsViewController.h"
#include "NavigationItem.h"
#include "QZAccountViewController.h"
#include "ScreenFixture.h"
#include "SessionStore.h"
#include "StubScreen.h"
#include "TableView.h"

#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSequentialIterable>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QStringList kFigureCodes{"80205034", "80205032", "80205032", "80205037"};
const QStringList kBadgeAndBookings{"164020", "166002"};

} // namespace

Q_DECLARE_METATYPE(GatewayFault)

class TestAccountScreen final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerHoldingsScreens();
        StubScreen::standFor({"QZSettingViewController", "QZMessageViewController",
                              "QZactivityViewController", "QZRegister1ViewController"});
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
    }
    void cleanup() { m_phone.reset(); }

    void signedOutShowsTheForm()
    {
        QZAccountViewController *account = openAccount();
        QCOMPARE(account->title(), QString("我的账户"));
        QVERIFY(account->findChild<QWidget *>("loginView")->isVisibleTo(account));
        QVERIFY(!account->findChild<QWidget *>("tableView")->isVisibleTo(account));
        QVERIFY(account->navigationItem()->rightWidget()->isHidden());
        QCOMPARE(text(account, "typeLabel"), QString("身份证"));
        fill(account, "310104198803162419", "abc123"); // a wrong check digit
        QVERIFY(tap(account, "loginButton"));
        QCOMPARE(m_phone->waitForAlertMessage(), QString("请填写正确的身份证号码"));
        QVERIFY(m_phone->sentCodes().isEmpty());
    }

    void signingInShowsTheFiguresOfATypeThreeCustomer()
    {
        QZAccountViewController *account = openAccount();
        fill(account, "310104198803162418", "abc123");
        QVERIFY(tap(account, "loginButton"));
        QTRY_VERIFY(account->findChild<QWidget *>("tableView")->isVisibleTo(account));
        QCOMPARE(m_phone->toastTexts(), QStringList{"登录成功"});
        QCOMPARE(m_phone->toastDurations(), QList<double>{0.5});
        QTRY_COMPARE(m_phone->sentCodes().size(), 7);
        QCOMPARE(m_phone->sentCodes(), QStringList{"168000"} + kFigureCodes + kBadgeAndBookings);
        const QList<SentRequest> contracts = m_phone->sent("80205032");
        QVERIFY(!contracts.at(0).params.contains("sfyx"));
        QCOMPARE(contracts.at(1).params.value("sfyx").toString(), QString("0"));
        QCOMPARE(contracts.at(0).params.value("cus_id").toString(),
                 SessionStore::currentCustomer().crmkhbh);
        QTRY_COMPARE(text(account, "yyLabel"), QString::number(account->yydataArray().size()));
        QTRY_VERIFY(!account->profitDataArray().isEmpty());
        QCOMPARE(text(account, "zzcLabel"), QString("820.00"));
        QCOMPARE(text(account, "totalMoney"), QString("820.00万元"));
        QCOMPARE(text(account, "productsNum"),
                 QString::number(account->userMoneyDataArray().size()));
        QCOMPARE(text(account, "totalIncome"), QString("104.59万元"));
        QCOMPARE(visibleText(m_phone->nav(), "messageBut"), QString("7"));
    }

    void anotherTypeSeesZeroTexts()
    {
        SessionStore::storeSignIn("护照", "E12345678", "abc123");
        QZAccountViewController *account = openAccount();
        QVERIFY(tap(account, "loginButton"));
        QTRY_COMPARE(m_phone->sentCodes().size(), 3);
        QCOMPARE(m_phone->sentCodes(), QStringList{"168000"} + kBadgeAndBookings);
        QCOMPARE(text(account, "totalMoney"), QString("0.00元"));
        QCOMPARE(text(account, "productsNum"), QString("0"));
        QCOMPARE(text(account, "totalIncome"), QString("0.00元"));
        QCOMPARE(text(account, "zzcLabel"), QString("0.00元"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<GatewayFault>("fault");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<bool>("badge");
        // clang-format off
        QTest::newRow("contracts fail: the alert")  << "80205032" << GatewayFault::status(500) << "您还没有连接到网络" << true;
        QTest::newRow("bookings fail: silence")     << "166002" << GatewayFault::status(500) << "" << true;
        QTest::newRow("no unread record: no badge") << "164020" << GatewayFault::emptyArray() << "" << false;
        // clang-format on
    }

    void failures()
    {
        QFETCH(QString, code);
        QFETCH(GatewayFault, fault);
        QFETCH(QString, alert);
        QFETCH(bool, badge);
        m_phone->gateway().setFault(code, fault);
        m_phone->signIn();
        QZAccountViewController *account = openAccount();
        QTRY_COMPARE(m_phone->sentCodes().size(), 6);
        QTRY_VERIFY(!account->profitDataArray().isEmpty());
        if (!alert.isEmpty())
            QCOMPARE(m_phone->waitForAlertMessage(), alert);
        else
            QVERIFY(!m_phone->alert());
        QTRY_COMPARE(m_phone->nav()->findChild<QWidget *>("messageBut")->isVisible(), badge);
        QVERIFY(!account->findChild<QWidget *>("loadingView") ||
                !account->findChild<QWidget *>("loadingView")->isVisible());
    }

    void returningRefreshesOnlyTheBadgeAndTheBookings()
    {
        m_phone->signIn();
        QZAccountViewController *account = openAccount();
        QTRY_COMPARE(m_phone->sentCodes().size(), 6); // once, not again on the first showing
        account->findChild<TableView *>("tableView")->tapRowAtIndexPath({0, 0});
        QVERIFY(m_phone->top<JfwjsViewController>());
        m_phone->nav()->popViewControllerAnimated(false);
        QTRY_COMPARE(m_phone->sentCodes().size(), 8);
        QCOMPARE(m_phone->sentCodes().mid(6), kBadgeAndBookings);
    }

    void areasAndButtonsOpenTheirScreens_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("handedOver");
        // clang-format off
        QTest::newRow("left area: unredeemed principal") << "leftControlView" << "QZTradeViewController" << "userMoneyArray";
        QTest::newRow("right area: income")              << "rightControlView" << "QZProfitViewController" << "profitArray";
        QTest::newRow("lower left: bought products")     << "buttomLeftView" << "QZBoughtViewController" << "userMoneyDataArray";
        QTest::newRow("lower right: bookings")           << "buttomRightView" << "QZAppointmentedViewController" << "";
        QTest::newRow("bell: messages")                  << "rightview" << "QZMessageViewController" << "productsArray";
        QTest::newRow("settings")                        << "leftButton" << "QZSettingViewController" << "";
        // clang-format on
    }

    void areasAndButtonsOpenTheirScreens()
    {
        QFETCH(QString, control);
        QFETCH(QString, opened);
        QFETCH(QString, handedOver);
        m_phone->signIn();
        QZAccountViewController *account = openAccount();
        QTRY_VERIFY(!account->userMoneyDataArray().isEmpty());
        QTRY_VERIFY(!account->productsDataArray().isEmpty());
        QVERIFY(tap(m_phone->nav(), control.toLatin1().constData()));
        ViewController *top = m_phone->nav()->topViewController();
        auto *stub = qobject_cast<StubScreen *>(top);
        QCOMPARE(stub ? stub->openedAs : QString::fromLatin1(top->metaObject()->className()),
                 opened);
        // The records the overview holds are handed over, whatever the screen's own type.
        if (!handedOver.isEmpty()) {
            const QVariant records = top->property(handedOver.toLatin1().constData());
            QVERIFY(records.value<QSequentialIterable>().size() > 0);
        }
    }

    void signOutKeepsTypeAndNumber()
    {
        QZAccountViewController *account = openAccount();
        fill(account, "310104198803162418", "abc123");
        QVERIFY(tap(account, "loginButton"));
        QTRY_VERIFY(Constant::shareConstant()->IsLogin());
        account->findChild<TableView *>("tableView")->tapRowAtIndexPath({0, 2});
        AlertController *question = m_phone->alert();
        QCOMPARE(question->title(), QString("确定退出吗？"));
        QVERIFY(question->message().isEmpty());
        QCOMPARE(question->actionTitles(), (QStringList{"确定", "取消"}));
        QVERIFY(question->tapAction("确定"));
        QVERIFY(!Constant::shareConstant()->IsLogin());
        QVERIFY(account->findChild<QWidget *>("loginView")->isVisibleTo(account));
        QCOMPARE(text(account, "numberTextField"), QString("310104198803162418"));
        QCOMPARE(text(account, "passwordTextField"), QString());
        QCOMPARE(SessionStore::savedSignIn()->password, QString());
        QCOMPARE(SessionStore::savedSignIn()->type, QString("身份证"));
    }

private:
    QZAccountViewController *openAccount() { return m_phone->push(new QZAccountViewController); }

    static void fill(QWidget *account, const QString &number, const QString &password)
    {
        for (const auto &[name, typed] :
             {std::pair{"numberTextField", number}, std::pair{"passwordTextField", password}}) {
            auto *field = account->findChild<QLineEdit *>(name);
            field->clear();
            field->setFocus();
            QTest::keyClicks(field, typed);
        }
    }

    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestAccountScreen)
#include "test_account_screen.moc"
