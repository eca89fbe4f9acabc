// The sign-in screen driven like a customer would, against the demo gateway.
#include "AES256.h"
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "LoginViewController.h"
#include "NavigationItem.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "RequestSpy.h"
#include "RootViewController.h"
#include "ScreenRegistry.h"
#include "SessionStore.h"
#include "TestGateway.h"
#include "TestPhone.h"
#include "Toast.h"
#include "UserDefaults.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kSignIn = QStringLiteral("168000");

// Stand-ins for the registration and recovery screens, which only have to be opened here.
class RegistrationStub : public RootViewController
{
    Q_OBJECT
    Q_PROPERTY(QString belongto MEMBER m_belongto)

public:
    QString m_belongto;
};

class RecoveryStub : public RootViewController
{
    Q_OBJECT
};

} // namespace

class TestLoginScreen : public QObject
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
        m_window = std::make_unique<PhoneWindow>();
        m_opener = new RootViewController;
        m_opener->setTitle(QStringLiteral("产品详情"));
        m_nav = showInActivePhone(*m_window, m_opener);
        QVERIFY(m_nav);
    }

    void cleanup()
    {
        m_window.reset();
        m_gateway.reset();
    }

    void firstOpeningShowsIdCardAndEmptyFields()
    {
        LoginViewController *login = openLogin();
        QCOMPARE(login->title(), QString("登录"));
        QVERIFY(login->navigationItem()->leftWidget());
        QCOMPARE(typeLabel(login)->text(), QString("身份证"));
        QVERIFY(numberField(login)->text().isEmpty());
        QVERIFY(passwordField(login)->text().isEmpty());
        QCOMPARE(passwordField(login)->echoMode(), QLineEdit::Password);
    }

    void idCardNumberIsCheckedBeforeSending_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << "";
        QTest::newRow("wrong check digit") << "310104198803162419";
        QTest::newRow("17 digits") << "31010419880316241";
    }

    void idCardNumberIsCheckedBeforeSending()
    {
        QFETCH(QString, number);
        LoginViewController *login = openLogin();
        QSignalSpy indicator(NetworkActivityIndicator::instance(),
                             &NetworkActivityIndicator::visibilityChanged);
        type(numberField(login), number);
        type(passwordField(login), "abc123");
        tapSignIn(login);
        expectMessageAlert("请填写正确的身份证号码");
        // The checks run before anything is posted: the indicator never came on.
        QCOMPARE(indicator.size(), 0);
        QVERIFY(!Constant::shareConstant()->IsLogin());
        QCOMPARE(m_nav->topViewController(), login);
    }

    void otherTypesOnlyNeedANumber()
    {
        LoginViewController *login = openLogin();
        QSignalSpy indicator(NetworkActivityIndicator::instance(),
                             &NetworkActivityIndicator::visibilityChanged);
        pickType(login, "护照");
        type(passwordField(login), "abc123");
        tapSignIn(login);
        expectMessageAlert("请填写正确的证件号码");
        QCOMPARE(indicator.size(), 0);
    }

    void typeSheetOffersTheNineTypes()
    {
        LoginViewController *login = openLogin();
        QTest::mouseClick(login->findChild<QPushButton *>("typeButton"), Qt::LeftButton);
        AlertController *sheet = AlertController::frontMost(m_window.get());
        QVERIFY(sheet);
        QCOMPARE(sheet->style(), AlertController::Style::ActionSheet);
        QCOMPARE(sheet->title(), QString("请选择证件类型"));
        QCOMPARE(sheet->actionTitles(),
                 (QStringList{"护照", "身份证", "军人身份证", "武装警察身份证", "临时居民身份证",
                              "澳门居民身份证", "香港居民身份证", "港澳居民往来内地通行证",
                              "台湾居民往来内地通行证", "取消"}));
        QVERIFY(sheet->tapAction("取消"));
        QTRY_VERIFY(!AlertController::frontMost(m_window.get()));
        QCOMPARE(typeLabel(login)->text(), QString("身份证")); // cancelling changes nothing
    }

    void pickedPassportSendsP()
    {
        LoginViewController *login = openLogin();
        QSignalSpy requests(&m_gateway->gateway(), &DemoGateway::requestReceived);
        pickType(login, "护照");
        QCOMPARE(typeLabel(login)->text(), QString("护照"));
        type(numberField(login), "E12345678");
        type(passwordField(login), "abc123");
        tapSignIn(login);
        QTRY_COMPARE(sentWith(requests, kSignIn).size(), 1);
        const SentRequest sent = sentWith(requests, kSignIn).first();
        QCOMPARE(sent.params.value("zjlx").toString(), QString("P"));
        QCOMPARE(sent.params.value("zjhm").toString(), QString("E12345678"));
        QCOMPARE(AES256::AES256DecryptWithCiphertext(sent.params.value("khmm").toString()),
                 std::optional<QString>("abc123"));
        QCOMPARE(sent.params.size(), 3);
        QCOMPARE(sent.paramsExt, QJsonObject());
        QTRY_VERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(Constant::shareConstant()->currentUser()->khbh, QString("100002"));
        QCOMPARE(SessionStore::savedSignIn()->type, QString("护照"));
    }

    void successKeepsTheSessionAndLeaves()
    {
        QPointer<LoginViewController> login = openLogin();
        QSignalSpy requests(&m_gateway->gateway(), &DemoGateway::requestReceived);
        QSignalSpy toasts(ToastEvents::instance(), &ToastEvents::shown);
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        UserDefaults::standard().setObject("signin", QJsonObject{{"password", ""}, {"stale", "x"}});
        numberField(login)->clear();
        type(numberField(login), "310104198803162418");
        type(passwordField(login), "abc123");
        LoginViewController *const screen = login.data();
        tapSignIn(login);

        QTRY_VERIFY(login.isNull());
        QCOMPARE(m_nav->topViewController(), m_opener);
        QCOMPARE(sentWith(requests, kSignIn).size(), 1);
        QCOMPARE(sentWith(requests, kSignIn).first().params.value("zjlx").toString(), QString("N"));

        QCOMPARE(toasts.size(), 1);
        QCOMPARE(toasts.first().at(0).toString(), QString("登录成功"));
        QCOMPARE(toasts.first().at(1).toDouble(), 3.0);
        // The toast outlives the screen that showed it.
        bool toastShown = false;
        for (OverlayView *overlay : OverlayView::overlaysOver(m_window.get())) {
            if (auto *toast = qobject_cast<Toast *>(overlay))
                toastShown = toastShown || toast->text() == QStringLiteral("登录成功");
        }
        QVERIFY(toastShown);
        QCOMPARE(postedNames(posted), QStringList{Notification::Hidden});
        QCOMPARE(posted.first().at(1).value<QObject *>(), screen);

        auto &store = UserDefaults::standard();
        QCOMPARE(store.dictionaryForKey("signin").value_or(QJsonObject()),
                 (QJsonObject{{"password", "abc123"},
                              {"type", "身份证"},
                              {"numberID", "310104198803162418"},
                              {"autoLogin", "YES"}}));
        QCOMPARE(store.stringForKey("loginInStatus"), std::optional<QString>("YES"));
        const QJsonObject myDic = store.dictionaryForKey("myDic").value_or(QJsonObject());
        QCOMPARE(myDic.size(), 11);
        const QJsonObject customer = m_gateway->gateway().customer("100001");
        for (const QString key : {"crmkhbh", "khbh", "khlx", "khmm", "khxm", "khzt", "sjhm", "zjhm",
                                  "zjlx", "xb", "yxdz"}) {
            QVERIFY2(myDic.contains(key), qPrintable(key));
            QCOMPARE(myDic.value(key).toString(), customer.value(key).toString());
        }
        QCOMPARE(myDic.value("khxm").toString(), QString("王澄宇"));
        QCOMPARE(myDic.value("khlx").toString(), QString("3"));

        QVERIFY(Constant::shareConstant()->IsLogin());
        const auto &user = Constant::shareConstant()->currentUser();
        QVERIFY(user);
        QCOMPARE(user->khbh, QString("100001"));
        QCOMPARE(user->crmkhbh, customer.value("crmkhbh").toString());
        QCOMPARE(user->zjhm, QString("310104198803162418"));
    }

    void nextOpeningShowsTheStoredSignIn()
    {
        LoginViewController *login = openLogin();
        pickType(login, "护照");
        type(numberField(login), "E12345678");
        type(passwordField(login), "abc123");
        tapSignIn(login);
        QTRY_COMPARE(m_nav->topViewController(), m_opener);

        LoginViewController *again = openLogin();
        QCOMPARE(typeLabel(again)->text(), QString("护照"));
        QCOMPARE(numberField(again)->text(), QString("E12345678"));
        QCOMPARE(passwordField(again)->text(), QString("abc123"));
    }

    void storedTypeIsSentWithoutPicking()
    {
        SessionStore::storeSignIn("香港居民身份证", "A1234567", "abc123");
        LoginViewController *login = openLogin();
        QCOMPARE(typeLabel(login)->text(), QString("香港居民身份证"));
        QCOMPARE(numberField(login)->text(), QString("A1234567"));
        QCOMPARE(passwordField(login)->text(), QString("abc123"));
        QSignalSpy requests(&m_gateway->gateway(), &DemoGateway::requestReceived);
        tapSignIn(login);
        QTRY_COMPARE(sentWith(requests, kSignIn).size(), 1);
        QCOMPARE(sentWith(requests, kSignIn).first().params.value("zjlx").toString(), QString("X"));
        QTRY_VERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(Constant::shareConstant()->currentUser()->khbh, QString("100003"));
    }

    void clearedPasswordOpensBlank()
    {
        SessionStore::storeSignIn("身份证", "310104198803162418", "abc123");
        SessionStore::clearPassword();
        LoginViewController *login = openLogin();
        QCOMPARE(typeLabel(login)->text(), QString("身份证"));
        QCOMPARE(numberField(login)->text(), QString("310104198803162418"));
        QVERIFY(passwordField(login)->text().isEmpty());
    }

    void wrongPasswordShowsTheServersWords()
    {
        LoginViewController *login = openLogin();
        QSignalSpy requests(&m_gateway->gateway(), &DemoGateway::requestReceived);
        type(numberField(login), "310104198803162418");
        type(passwordField(login), "wrong1");
        tapSignIn(login);
        AlertController *alert = waitForAlert();
        QVERIFY(alert);
        QVERIFY(alert->title().isEmpty());
        QCOMPARE(alert->message(), QString("用户名或密码错误"));
        QCOMPARE(alert->actionTitles(), QStringList{"取消"});
        QCOMPARE(sentWith(requests, kSignIn).size(), 1);
        expectStillSignedOut(login, "310104198803162418", "wrong1");
    }

    void refusalPromptIsShownVerbatim()
    {
        m_gateway->gateway().setFault(kSignIn, GatewayFault::refuse("系统维护中，请稍后再试"));
        LoginViewController *login = openLogin();
        type(numberField(login), "310104198803162418");
        type(passwordField(login), "abc123");
        tapSignIn(login);
        expectMessageAlert("系统维护中，请稍后再试");
        expectStillSignedOut(login, "310104198803162418", "abc123");
    }

    void networkFailureKeepsTheInput()
    {
        m_gateway->gateway().setFault(kSignIn, GatewayFault::status(500));
        LoginViewController *login = openLogin();
        type(numberField(login), "310104198803162418");
        type(passwordField(login), "abc123");
        tapSignIn(login);
        expectMessageAlert("您还没有连接到网络");
        expectStillSignedOut(login, "310104198803162418", "abc123");
    }

    void returnKeySignsIn()
    {
        LoginViewController *login = openLogin();
        QSignalSpy requests(&m_gateway->gateway(), &DemoGateway::requestReceived);
        type(numberField(login), "310104198803162418");
        type(passwordField(login), "abc123");
        QTest::keyClick(passwordField(login), Qt::Key_Return);
        QTRY_COMPARE(sentWith(requests, kSignIn).size(), 1);
        QTRY_COMPARE(m_nav->topViewController(), m_opener);
        QVERIFY(Constant::shareConstant()->IsLogin());
    }

    void numberFieldKeepsAtMostTwentyCharacters()
    {
        LoginViewController *login = openLogin();
        const QString typed = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"); // 25
        type(numberField(login), typed);
        QCOMPARE(numberField(login)->text().size(), 20);
        QVERIFY(numberField(login)->text().startsWith(typed.left(19)));
        QTest::keyClicks(numberField(login), "Z");
        QCOMPARE(numberField(login)->text().size(), 20);
    }

    void registerOpensRegistrationFromLogin()
    {
        ScreenRegistry::instance().add("QZRegister1ViewController",
                                       [] { return new RegistrationStub; });
        LoginViewController *login = openLogin();
        QTest::mouseClick(login->findChild<QPushButton *>("registerButton"), Qt::LeftButton);
        auto *registration = qobject_cast<RegistrationStub *>(m_nav->topViewController());
        QVERIFY(registration);
        QCOMPARE(registration->m_belongto, QString("登录"));
    }

    void forgottenPasswordOpensRecovery()
    {
        ScreenRegistry::instance().add("GetphoneNumberViewController",
                                       [] { return new RecoveryStub; });
        LoginViewController *login = openLogin();
        QTest::mouseClick(login->findChild<QPushButton *>("forgetButton"), Qt::LeftButton);
        QVERIFY(qobject_cast<RecoveryStub *>(m_nav->topViewController()));
    }

    void backPostsHiddenAndLeaves()
    {
        QPointer<LoginViewController> login = openLogin();
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        auto *back = qobject_cast<QPushButton *>(login->navigationItem()->leftWidget());
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(postedNames(posted), QStringList{Notification::Hidden});
        QCOMPARE(m_nav->topViewController(), m_opener);
        QTRY_VERIFY(login.isNull());
        QVERIFY(!Constant::shareConstant()->IsLogin());
    }

private:
    LoginViewController *openLogin()
    {
        auto *login = new LoginViewController;
        m_nav->pushViewController(login, false);
        return login;
    }

    static QLabel *typeLabel(QWidget *login) { return login->findChild<QLabel *>("typeLabel"); }
    static QLineEdit *numberField(QWidget *login)
    {
        return login->findChild<QLineEdit *>("numberTextField");
    }
    static QLineEdit *passwordField(QWidget *login)
    {
        return login->findChild<QLineEdit *>("passwordTextField");
    }

    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        QTest::keyClicks(field, text);
    }

    static void tapSignIn(QWidget *login)
    {
        QTest::mouseClick(login->findChild<QPushButton *>("loginButton"), Qt::LeftButton);
    }

    void pickType(QWidget *login, const QString &name)
    {
        QTest::mouseClick(login->findChild<QPushButton *>("typeButton"), Qt::LeftButton);
        AlertController *sheet = AlertController::frontMost(m_window.get());
        QVERIFY(sheet);
        QVERIFY(sheet->tapAction(name));
        QTRY_VERIFY(!AlertController::frontMost(m_window.get()));
    }

    AlertController *waitForAlert()
    {
        (void)QTest::qWaitFor(
            [this]() { return AlertController::frontMost(m_window.get()) != nullptr; }, 5000);
        return AlertController::frontMost(m_window.get());
    }

    void expectMessageAlert(const QString &message)
    {
        AlertController *alert = waitForAlert();
        QVERIFY(alert);
        QVERIFY(alert->title().isEmpty());
        QCOMPARE(alert->message(), message);
        QCOMPARE(alert->actionTitles(), QStringList{"取消"});
        QVERIFY(alert->tapAction("取消"));
        QTRY_VERIFY(!AlertController::frontMost(m_window.get()));
    }

    void expectStillSignedOut(LoginViewController *login, const QString &number,
                              const QString &password)
    {
        QVERIFY(!Constant::shareConstant()->IsLogin());
        QVERIFY(!Constant::shareConstant()->currentUser());
        QVERIFY(!SessionStore::savedSignIn());
        QVERIFY(!UserDefaults::standard().stringForKey("loginInStatus"));
        QCOMPARE(m_nav->topViewController(), login);
        QCOMPARE(numberField(login)->text(), number);
        QCOMPARE(passwordField(login)->text(), password);
    }

    std::unique_ptr<TestGateway> m_gateway;
    std::unique_ptr<PhoneWindow> m_window;
    BaseNavigationViewController *m_nav = nullptr;
    RootViewController *m_opener = nullptr;
};

QTEST_MAIN(TestLoginScreen)
#include "test_login_screen.moc"
