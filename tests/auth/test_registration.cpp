// Opening an account in the three registration screens, driven like a customer would,
// against the demo gateway.
#include "AES256.h"
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "GestureScreens.h"
#include "KVGestureViewController.h"
#include "LoginViewController.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "QZRegister1ViewController.h"
#include "QZRegister2ViewController.h"
#include "QZRegister3ViewController.h"
#include "ScreenFixture.h"
#include "SessionStore.h"
#include "SmsCountdown.h"

#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kNewIdNumber = QStringLiteral("440305199001010026");
const QString kFreeMobile = QStringLiteral("13900001111");

void fill(QWidget *screen, const QList<std::pair<const char *, QString>> &fields)
{
    for (const auto &[name, typed] : fields) {
        auto *field = screen->findChild<QLineEdit *>(name);
        field->clear();
        // Key clicks cover ASCII; Chinese arrives from the input method in one piece.
        if (std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(field, typed);
        else
            field->insert(typed);
    }
}

} // namespace

class TestRegistration final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerGestureScreens();
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
    }
    void cleanup() { m_phone.reset(); }

    // A code counts only when the server agreed to send it: otherwise next asks for one.
    void sendCode_data()
    {
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("alert");
        // clang-format off
        QTest::newRow("not a mobile number") << "1390000111" << "请填写正确的手机号码";
        QTest::newRow("refused")             << "13812345678" << "该手机号码已注册，请直接登录";
        QTest::newRow("sent")                << kFreeMobile << "";
        // clang-format on
    }

    void sendCode()
    {
        QFETCH(QString, mobile);
        QFETCH(QString, alert);
        QZRegister1ViewController *first = openFirst();
        fill(first, {{"nameTextField", "赵新客"},
                     {"numberTextField", kNewIdNumber},
                     {"phoneTextField", mobile},
                     {"codeTextField", "123456"}});
        QVERIFY(tap(first, "sendCodeButton"));
        if (alert.isEmpty()) {
            QTRY_COMPARE(m_phone->toastTexts(), QStringList{"短信已发送"});
            QCOMPARE(m_phone->toastDurations(), QList<double>{1.5});
            QCOMPARE(m_phone->sent("168006").first().params.value("effective_point"),
                     QJsonValue("1"));
        } else {
            QCOMPARE(m_phone->waitForAlertMessage(), alert);
            m_phone->dismissAlerts();
        }
        // Counting down only once a code is on its way.
        QCOMPARE(first->findChild<QPushButton *>("sendCodeButton")->isEnabled(), !alert.isEmpty());
        fill(first, {{"phoneTextField", kFreeMobile}});
        QVERIFY(tap(first, "nextButton"));
        if (alert.isEmpty())
            QTRY_COMPARE(m_phone->sent("168004").size(), 1);
        else
            QCOMPARE(m_phone->waitForAlertMessage(), QString("请先获取验证码"));
    }

    void countdownNamesTheSecondsThenOffersACodeInBlue()
    {
        QZRegister1ViewController *first = openFirst();
        auto *button = first->findChild<QPushButton *>("sendCodeButton");
        auto *countdown = first->findChild<SmsCountdown *>();
        countdown->setInterval(1); // no minute-long wait
        QStringList titles;
        connect(countdown, &SmsCountdown::stepped, this, [&]() { titles << button->text(); });
        fill(first, {{"phoneTextField", kFreeMobile}});
        QVERIFY(tap(first, "sendCodeButton"));
        QTRY_COMPARE(titles.size(), 61);
        QCOMPARE(titles.first(), QString("60秒后点击重试"));
        QCOMPARE(titles.at(59), QString("1秒后点击重试"));
        QCOMPARE(titles.last(), QString("点击发送验证码"));
        QVERIFY(button->isEnabled());
        const QImage look = button->grab().toImage();
        bool blue = false;
        for (int y = 0; y < look.height() && !blue; ++y)
            for (int x = 0; x < look.width() && !blue; ++x)
                blue = look.pixelColor(x, y) == QColor(0, 148, 222);
        QVERIFY(blue);
    }

    void refusedCheckIsToldInAToast()
    {
        QZRegister1ViewController *first = firstWithCodeSent("赵新客", "身份证", kNewIdNumber);
        fill(first, {{"codeTextField", "000000"}});
        QVERIFY(tap(first, "nextButton"));
        QTRY_VERIFY(m_phone->toastTexts().contains("验证码错误，请重新输入"));
        QCOMPARE(m_phone->toastDurations().last(), 1.5);
        QVERIFY(!m_phone->alert());
        QCOMPARE(m_phone->top<QZRegister1ViewController>(), first);
    }

    void tapsWhileTheCheckIsAwaitedOpenOneSecondStep()
    {
        QZRegister1ViewController *first = firstWithCodeSent("赵新客", "护照", "G87654321");
        m_phone->gateway().setFault("168004", GatewayFault::delay(300));
        const qsizetype checks = m_phone->sent("168004").size();
        const qsizetype screens = m_phone->nav()->viewControllers().size();
        auto *button = first->findChild<QPushButton *>("nextButton");
        for (int tap = 0; tap < 3; ++tap)
            QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isEnabled());
        QTRY_VERIFY(m_phone->top<QZRegister2ViewController>());
        QVERIFY(button->isEnabled());
        QCOMPARE(m_phone->sent("168004").size(), checks + 1);
        QCOMPARE(m_phone->nav()->viewControllers().size(), screens + 1);
    }

    void tapsWhileACodeIsAwaitedSendOneCode()
    {
        QZRegister1ViewController *first = openFirst();
        fill(first, {{"phoneTextField", kFreeMobile}});
        m_phone->gateway().setFault("168006", GatewayFault::delay(300));
        auto *button = first->findChild<QPushButton *>("sendCodeButton");
        for (int tap = 0; tap < 3; ++tap)
            QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(m_phone->toastTexts().contains("短信已发送"));
        QCOMPARE(m_phone->sent("168006").size(), 1);
    }

    void passportRegistrationEndsSignedInUnderTheGestureSetUp()
    {
        QZRegister1ViewController *first = firstWithCodeSent("赵新客", "护照", "G87654321");
        QVERIFY(tap(first, "nextButton"));
        QTRY_VERIFY(m_phone->top<QZRegister2ViewController>());
        auto *second = m_phone->top<QZRegister2ViewController>();
        QCOMPARE(second->property("credentialsType").toString(), QString("护照"));
        fill(second, {{"passwordTextField", "xyz789"}, {"confirmTextField", "xyz788"}});
        QVERIFY(tap(second, "nextButton"));
        QCOMPARE(m_phone->waitForAlertMessage(), QString("两次输入的密码不一致"));
        m_phone->dismissAlerts();
        QVERIFY(m_phone->sent("168001").isEmpty());

        SessionStore::setGestureFinal("14789"); // somebody's earlier gesture
        fill(second, {{"confirmTextField", "xyz789"}});
        QVERIFY(tap(second, "nextButton"));
        QTRY_VERIFY(m_phone->top<KVGestureViewController>());
        QCOMPARE(m_phone->top<KVGestureViewController>()->gesturePasswordType(), 1u);
        const auto stack = m_phone->nav()->viewControllers();
        QVERIFY(qobject_cast<QZRegister3ViewController *>(stack.at(stack.size() - 2)));
        const QJsonObject created = m_phone->sent("168001").first().params;
        QCOMPARE(created.value("zjlx").toString(), QString("P"));
        QCOMPARE(AES256::AES256DecryptWithCiphertext(created.value("khmm").toString()),
                 std::optional<QString>("xyz789"));
        QVERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(SessionStore::savedSignIn()->type, QString("护照"));
        QCOMPARE(SessionStore::myDicValue("khxm"), QString("赵新客"));
        QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>(""));

        // The sign-in screen now offers the new customer's details, and they sign in.
        Constant::shareConstant()->setIsLogin(false);
        auto *login = m_phone->push(new LoginViewController);
        QCOMPARE(text(login, "typeLabel"), QString("护照"));
        QVERIFY(tap(login, "loginButton"));
        QTRY_VERIFY(Constant::shareConstant()->IsLogin());
        QVERIFY(!m_phone->alert());
    }

    void answerAfterLeavingStillSignsIn()
    {
        m_phone->gateway().setFault("168001", GatewayFault::delay(300));
        firstWithCodeSent("赵新客", "身份证", kNewIdNumber);
        QPointer<QZRegister2ViewController> second = m_phone->push(new QZRegister2ViewController);
        second->setApplicant({"赵新客", "身份证", kNewIdNumber, kFreeMobile, "123456"});
        fill(second, {{"passwordTextField", "xyz789"}, {"confirmTextField", "xyz789"}});
        QVERIFY(tap(second, "nextButton"));
        QVERIFY(tap(second, "nextButton")); // sent once
        second->LeftNavigationButtonClick();
        QTRY_VERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(SessionStore::savedSignIn()->password, QString("xyz789"));
        QCOMPARE(m_phone->sent("168001").size(), 1);
        QVERIFY(m_phone->top<QZRegister1ViewController>()); // no third step without its screen
    }

    void leavingPostsWhatTheTabBarNeeds_data()
    {
        QTest::addColumn<QString>("belongto"); // first screen's opener; "" for the third screen
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("posted");
        // clang-format off
        QTest::newRow("first, from sign-in")   << "登录" << "back" << QStringList();
        QTest::newRow("first, from the guide") << "用户指南" << "back" << QStringList{"appearance"};
        QTest::newRow("third, to account")     << "" << "accountButton" << QStringList{"change4"};
        QTest::newRow("third, to products")    << "" << "productButton" << QStringList{"change1", "appearance"};
        // clang-format on
    }

    void leavingPostsWhatTheTabBarNeeds()
    {
        QFETCH(QString, belongto);
        QFETCH(QString, button);
        QFETCH(QStringList, posted);
        RootViewController *screen = belongto.isEmpty()
                                         ? m_phone->push(new QZRegister3ViewController)
                                         : static_cast<RootViewController *>(openFirst(belongto));
        QSignalSpy spy(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        if (button == QStringLiteral("back"))
            QTest::mouseClick(qobject_cast<QPushButton *>(screen->navigationItem()->leftWidget()),
                              Qt::LeftButton);
        else
            QVERIFY(tap(screen, button.toLatin1().constData()));
        QCOMPARE(postedNames(spy), posted);
        QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
    }

private:
    QZRegister1ViewController *openFirst(const QString &belongto = QString())
    {
        auto *first = new QZRegister1ViewController;
        first->setProperty("belongto", belongto);
        return m_phone->push(first);
    }

    QZRegister1ViewController *firstWithCodeSent(const QString &name, const QString &type,
                                                 const QString &number)
    {
        QZRegister1ViewController *first = openFirst();
        if (type != QStringLiteral("身份证")) {
            QTest::mouseClick(first->findChild<QPushButton *>("typeButton"), Qt::LeftButton);
            m_phone->alert()->tapAction(type);
            static_cast<void>(QTest::qWaitFor([this]() { return !m_phone->alert(); }));
        }
        fill(first, {{"nameTextField", name},
                     {"numberTextField", number},
                     {"phoneTextField", kFreeMobile},
                     {"codeTextField", "123456"}});
        QTest::mouseClick(first->findChild<QPushButton *>("sendCodeButton"), Qt::LeftButton);
        static_cast<void>(QTest::qWaitFor([this]() { return !m_phone->toastTexts().isEmpty(); }));
        return first;
    }

    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestRegistration)
#include "test_registration.moc"
