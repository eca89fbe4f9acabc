// The sign-in screen driven like a customer would, against the demo gateway.
#include "AES256.h"
#include "AlertController.h"
#include "AuthScreens.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "GetphoneNumberViewController.h"
#include "LoginViewController.h"
#include "NavigationItem.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "QZRegister1ViewController.h"
#include "ScreenFixture.h"
#include "SessionStore.h"
#include "Toast.h"
#include "UserDefaults.h"

#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kSignIn = QStringLiteral("168000");
const QString kIdNumber = QStringLiteral("310104198803162418");

} // namespace

Q_DECLARE_METATYPE(GatewayFault)

class TestLoginScreen final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("chenglan.*.debug=false"); }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
    }
    void cleanup() { m_phone.reset(); }

    void prefill_data()
    {
        QTest::addColumn<QStringList>("stored"); // type, number, password; empty: nothing stored
        QTest::addColumn<bool>("clearPassword");
        QTest::addColumn<QStringList>("shown");
        // clang-format off
        QTest::newRow("first opening")     << QStringList() << false << QStringList{"身份证", "", ""};
        QTest::newRow("stored sign-in")    << QStringList{"香港居民身份证", "A1234567", "abc123"} << false << QStringList{"香港居民身份证", "A1234567", "abc123"};
        QTest::newRow("password cleared")  << QStringList{"身份证", kIdNumber, "abc123"} << true << QStringList{"身份证", kIdNumber, ""};
        // clang-format on
    }

    void prefill()
    {
        QFETCH(QStringList, stored);
        QFETCH(bool, clearPassword);
        QFETCH(QStringList, shown);
        if (!stored.isEmpty())
            SessionStore::storeSignIn(stored.at(0), stored.at(1), stored.at(2));
        if (clearPassword)
            SessionStore::clearPassword();
        LoginViewController *login = openLogin();
        QCOMPARE(login->title(), QString("登录"));
        QCOMPARE((QStringList{text(login, "typeLabel"), text(login, "numberTextField"),
                              text(login, "passwordTextField")}),
                 shown);
        QCOMPARE(login->findChild<QLineEdit *>("passwordTextField")->echoMode(),
                 QLineEdit::Password);
    }

    // The checks run before anything is posted: the indicator never comes on.
    void formChecks_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("alert");
        // clang-format off
        QTest::newRow("id card, wrong check digit") << "" << "310104198803162419" << "请填写正确的身份证号码";
        QTest::newRow("id card, 17 digits")         << "" << "31010419880316241" << "请填写正确的身份证号码";
        QTest::newRow("passport, no number")        << "护照" << "" << "请填写正确的证件号码";
        // clang-format on
    }

    void formChecks()
    {
        QFETCH(QString, type);
        QFETCH(QString, number);
        QFETCH(QString, alert);
        LoginViewController *login = openLogin();
        QSignalSpy indicator(NetworkActivityIndicator::instance(),
                             &NetworkActivityIndicator::visibilityChanged);
        if (!type.isEmpty())
            pickType(login, type);
        fill(login, number, "abc123");
        QVERIFY(tap(login, "loginButton"));
        QCOMPARE(m_phone->waitForAlertMessage(), alert);
        QCOMPARE(indicator.size(), 0);
        QVERIFY(!Constant::shareConstant()->IsLogin());
    }

    void typeSheetOffersTheNineTypes()
    {
        LoginViewController *login = openLogin();
        QVERIFY(tap(login, "typeButton"));
        AlertController *sheet = m_phone->alert();
        QCOMPARE(sheet->style(), AlertController::Style::ActionSheet);
        QCOMPARE(sheet->title(), QString("请选择证件类型"));
        QCOMPARE(sheet->actionTitles().size(), 10);
        QCOMPARE(sheet->actionTitles().first(), QString("护照"));
        QCOMPARE(sheet->actionTitles().last(), QString("取消"));
        QVERIFY(sheet->tapAction("取消"));
        QTRY_VERIFY(!m_phone->alert());
        QCOMPARE(text(login, "typeLabel"), QString("身份证")); // cancelling changes nothing
    }

    void pickedPassportSignsInAndIsShownNextTime()
    {
        LoginViewController *login = openLogin();
        pickType(login, "护照");
        fill(login, "E12345678", "abc123");
        QVERIFY(tap(login, "loginButton"));
        QTRY_COMPARE(m_phone->sent(kSignIn).size(), 1);
        const SentRequest sent = m_phone->sent(kSignIn).first();
        QCOMPARE(sent.params.value("zjlx").toString(), QString("P"));
        QCOMPARE(sent.params.value("zjhm").toString(), QString("E12345678"));
        QCOMPARE(AES256::AES256DecryptWithCiphertext(sent.params.value("khmm").toString()),
                 std::optional<QString>("abc123"));
        QCOMPARE(sent.params.size(), 3);
        QTRY_COMPARE(m_phone->nav()->topViewController(), m_phone->opener());
        QCOMPARE(Constant::shareConstant()->currentUser()->khbh, QString("100002"));

        LoginViewController *again = openLogin();
        QCOMPARE(text(again, "typeLabel"), QString("护照"));
        QCOMPARE(text(again, "numberTextField"), QString("E12345678"));
        QCOMPARE(text(again, "passwordTextField"), QString("abc123"));
    }

    void successKeepsTheSessionAndLeaves()
    {
        QPointer<LoginViewController> login = openLogin();
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        UserDefaults::standard().setObject("signin", QJsonObject{{"password", ""}, {"stale", "x"}});
        fill(login, kIdNumber, "abc123");
        LoginViewController *const screen = login.data();
        QVERIFY(tap(login, "loginButton"));

        QTRY_VERIFY(login.isNull());
        QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
        QCOMPARE(m_phone->sent(kSignIn).first().params.value("zjlx").toString(), QString("N"));
        QCOMPARE(m_phone->toastTexts(), QStringList{"登录成功"});
        QCOMPARE(m_phone->toastDurations(), QList<double>{3.0});
        QVERIFY(m_phone->window()->findChild<Toast *>()); // it outlives the screen
        QCOMPARE(postedNames(posted), QStringList{Notification::Hidden});
        QCOMPARE(posted.first().at(1).value<QObject *>(), screen);
        expectSignedInAsTheFirstCustomer();
    }

    void answerAfterLeavingStillSignsIn()
    {
        QPointer<LoginViewController> login = openLogin();
        m_phone->gateway().setFault(kSignIn, GatewayFault::delay(300));
        fill(login, kIdNumber, "abc123");
        QVERIFY(tap(login, "loginButton"));
        QVERIFY(tap(login, "loginButton")); // a second tap while waiting sends nothing
        login->LeftNavigationButtonClick();
        QTRY_VERIFY(login.isNull());
        QTRY_VERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(m_phone->sent(kSignIn).size(), 1);
        QCOMPARE(m_phone->toastTexts(), QStringList{"登录成功"});
        expectSignedInAsTheFirstCustomer();
    }

    // Taps and the return key while a sign-in is awaited send nothing more: the button
    // waits for the answer, whatever it is, and a success leaves only the sign-in screen.
    void oneSignInAtATime_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("signedIn");
        // clang-format off
        QTest::newRow("signed in")       << "delay:300"               << true;
        QTest::newRow("refused")         << "refuse:系统维护中@300"   << false;
        QTest::newRow("network failure") << "status:500@300"          << false;
        // clang-format on
    }

    void oneSignInAtATime()
    {
        QFETCH(QString, fault);
        QFETCH(bool, signedIn);
        m_phone->gateway().setFault(kSignIn, GatewayFault::fromText(fault).value());
        QPointer<LoginViewController> login = openLogin();
        auto *button = login->findChild<QPushButton *>("loginButton");
        fill(login, kIdNumber, "abc123");
        for (int tap = 0; tap < 3; ++tap)
            QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(login->findChild<QLineEdit *>("passwordTextField"), Qt::Key_Return);
        QVERIFY(!button->isEnabled());
        if (signedIn) {
            QTRY_VERIFY(login.isNull());
            QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
        } else {
            QVERIFY(m_phone->waitForAlertMessage() != "<no alert>");
            QVERIFY(button->isEnabled());
            QCOMPARE(m_phone->nav()->topViewController(), login);
        }
        QCOMPARE(m_phone->sent(kSignIn).size(), 1);
    }

    void notSignedIn_data()
    {
        QTest::addColumn<GatewayFault>("fault");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("alert");
        // clang-format off
        QTest::newRow("wrong password")  << GatewayFault() << "wrong1" << "用户名或密码错误";
        QTest::newRow("refused")         << GatewayFault::refuse("系统维护中，请稍后再试") << "abc123" << "系统维护中，请稍后再试";
        QTest::newRow("network failure") << GatewayFault::status(500) << "abc123" << "您还没有连接到网络";
        // clang-format on
    }

    void notSignedIn()
    {
        QFETCH(GatewayFault, fault);
        QFETCH(QString, password);
        QFETCH(QString, alert);
        m_phone->gateway().setFault(kSignIn, fault);
        LoginViewController *login = openLogin();
        fill(login, kIdNumber, password);
        QVERIFY(tap(login, "loginButton"));
        QCOMPARE(m_phone->waitForAlertMessage(), alert);
        QVERIFY(m_phone->alert()->title().isEmpty());
        QCOMPARE(m_phone->alert()->actionTitles(), QStringList{"取消"});
        QVERIFY(!Constant::shareConstant()->IsLogin());
        QVERIFY(!SessionStore::savedSignIn());
        QVERIFY(!UserDefaults::standard().stringForKey("loginInStatus"));
        QCOMPARE(m_phone->nav()->topViewController(), login);
        QCOMPARE(text(login, "numberTextField"), kIdNumber);
        QCOMPARE(text(login, "passwordTextField"), password);
    }

    void returnKeySignsIn()
    {
        LoginViewController *login = openLogin();
        fill(login, kIdNumber, "abc123");
        QTest::keyClick(login->findChild<QLineEdit *>("passwordTextField"), Qt::Key_Return);
        QTRY_COMPARE(m_phone->nav()->topViewController(), m_phone->opener());
        QVERIFY(Constant::shareConstant()->IsLogin());
    }

    void numberFieldKeepsAtMostTwentyCharacters()
    {
        LoginViewController *login = openLogin();
        fill(login, "ABCDEFGHIJKLMNOPQRSTUVWXY", QString()); // 25
        QCOMPARE(text(login, "numberTextField"), QString("ABCDEFGHIJKLMNOPQRST"));
    }

    void registerAndForgetOpenTheirScreens()
    {
        registerAuthScreens();
        LoginViewController *login = openLogin();
        QVERIFY(tap(login, "registerButton"));
        auto *registration = m_phone->top<QZRegister1ViewController>();
        QVERIFY(registration);
        QCOMPARE(registration->property("belongto").toString(), QString("登录"));
        m_phone->nav()->popViewControllerAnimated(false);
        QVERIFY(tap(login, "forgetButton"));
        QVERIFY(m_phone->top<GetphoneNumberViewController>());
    }

    void backPostsHiddenAndLeaves()
    {
        QPointer<LoginViewController> login = openLogin();
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(login->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(postedNames(posted), QStringList{Notification::Hidden});
        QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
        QTRY_VERIFY(login.isNull());
    }

private:
    LoginViewController *openLogin() { return m_phone->push(new LoginViewController); }

    static void fill(QWidget *login, const QString &number, const QString &password)
    {
        for (const auto &[name, typed] :
             {std::pair{"numberTextField", number}, std::pair{"passwordTextField", password}}) {
            auto *field = login->findChild<QLineEdit *>(name);
            field->clear();
            field->setFocus();
            QTest::keyClicks(field, typed);
        }
    }

    void pickType(QWidget *login, const QString &name)
    {
        QVERIFY(tap(login, "typeButton"));
        QVERIFY(m_phone->alert()->tapAction(name));
        QTRY_VERIFY(!m_phone->alert());
    }

    void expectSignedInAsTheFirstCustomer()
    {
        auto &store = UserDefaults::standard();
        QCOMPARE(store.dictionaryForKey("signin").value_or(QJsonObject()),
                 (QJsonObject{{"password", "abc123"},
                              {"type", "身份证"},
                              {"numberID", kIdNumber},
                              {"autoLogin", "YES"}}));
        QCOMPARE(store.stringForKey("loginInStatus"), std::optional<QString>("YES"));
        const QJsonObject myDic = store.dictionaryForKey("myDic").value_or(QJsonObject());
        QCOMPARE(myDic.size(), 11);
        QCOMPARE(myDic.value("khxm").toString(), QString("王澄宇"));
        QCOMPARE(myDic.value("crmkhbh").toString(),
                 m_phone->gateway().customer("100001").value("crmkhbh").toString());
        QVERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(Constant::shareConstant()->currentUser()->khbh, QString("100001"));
    }

    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestLoginScreen)
#include "test_login_screen.moc"
