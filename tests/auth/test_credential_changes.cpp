// Password recovery and the changes of password, e-mail address and mobile number, driven
// like a customer would against the demo gateway.
#include "AlertController.h"
#include "AuthScreens.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "ForgetPasswordViewController.h"
#include "GetphoneNumberViewController.h"
#include "NetworkActivityIndicator.h"
#include "QZLoginModel.h"
#include "ScreenFixture.h"
#include "ScreenRegistry.h"
#include "SessionStore.h"

#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

Q_DECLARE_METATYPE(GatewayFault)

namespace {

const QString kIdNumber = QStringLiteral("310104198803162418");
const QString kRecovery = QStringLiteral("ForgetPasswordViewController");

} // namespace

class TestCredentialChanges final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerAuthScreens();
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
        // The demo customer as a sign-in leaves the session and the stored keys.
        m_phone->signIn();
        SessionStore::storeMyDic(*Constant::shareConstant()->currentUser());
        SessionStore::storeSignIn("身份证", kIdNumber, "abc123");
    }
    void cleanup() { m_phone.reset(); }

    void recoveryFindsTheCustomerAndMasksTheNumber()
    {
        auto *first = m_phone->push(new GetphoneNumberViewController);
        QVERIFY(tap(first, "nextButton"));
        QCOMPARE(m_phone->waitForAlertMessage(), QString("请填写正确的证件号码"));
        m_phone->dismissAlerts();
        QTest::keyClicks(first->findChild<QLineEdit *>("numberTextField"), kIdNumber);
        QVERIFY(tap(first, "nextButton"));
        QTRY_VERIFY(m_phone->top<ForgetPasswordViewController>());
        QCOMPARE(m_phone->sent("166021").size(), 1);
        QCOMPARE(m_phone->sent("166021").first().params.value("zjlx"), QJsonValue("N"));
        QCOMPARE(text(m_phone->top<ForgetPasswordViewController>(), "phoneLabel"),
                 QString("138****5678"));
    }

    void tapsWhileTheCustomerIsLookedUpOpenOneSecondStep()
    {
        m_phone->gateway().setFault("166021", GatewayFault::delay(300));
        auto *first = m_phone->push(new GetphoneNumberViewController);
        QTest::keyClicks(first->findChild<QLineEdit *>("numberTextField"), kIdNumber);
        const qsizetype screens = m_phone->nav()->viewControllers().size();
        auto *button = first->findChild<QPushButton *>("nextButton");
        for (int tap = 0; tap < 3; ++tap)
            QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isEnabled());
        QTRY_VERIFY(m_phone->top<ForgetPasswordViewController>());
        QCOMPARE(m_phone->sent("166021").size(), 1);
        QCOMPARE(m_phone->nav()->viewControllers().size(), screens + 1);
    }

    void repeatedMiddleDigitsAreMaskedEverywhere()
    {
        auto *second = open(kRecovery, {{"model", QJsonObject{{"sjhm", "13812381238"}}}});
        QCOMPARE(text(second, "phoneLabel"), QString("138********"));
    }

    void recoveryCodeWaitStartsBeforeTheAnswer()
    {
        m_phone->gateway().setFault("168006", GatewayFault::refuse("短信发送太频繁"));
        auto *second = open(kRecovery, {{"model", recoveryRecord()}});
        QVERIFY(tap(second, "sendCodeButton"));
        QVERIFY(!second->findChild<QPushButton *>("sendCodeButton")->isEnabled());
        QCOMPARE(m_phone->waitForAlertMessage(), QString("短信发送太频繁"));
        QCOMPARE(m_phone->sent("168006").first().params.value("effective_point"), QJsonValue("2"));
    }

    // Each change: what is refused before sending, what the server refuses, a network
    // failure (silent for "168007" and "168003"), and success with where the screen goes.
    void changes_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("typed"); // object name, text, ...
        QTest::addColumn<GatewayFault>("fault");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("toast");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("goesTo");    // "stays", "back" or "root"
        QTest::addColumn<QJsonObject>("myDic"); // fields "myDic" holds afterwards
        const QStringList recovery{"codeTextField", "123456", "passwordTextField", "new123",
                                   "confirmTextField"};
        const QStringList password{"oldPasswordTextField", "abc123", "passwordTextField", "xyz789",
                                   "confirmTextField"};
        const QStringList email{"emailTextField", "a@chenglan.cn", "passwordTextField"};
        const QStringList mobile{"codeTextField", "1234", "phoneTextField"};
        const GatewayFault none;
        const GatewayFault offline = GatewayFault::status(500);
        const QJsonObject unchanged{
            {"khmm", "abc123"}, {"yxdz", "wangcy@example.com"}, {"sjhm", "13812345678"}};
        // clang-format off
        QTest::newRow("recovery, mismatch")       << kRecovery << recovery + QStringList{"new124"} << none << 0 << "您前后两次输入的密码不一致，请重新输入" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("recovery, wrong code")     << kRecovery << QStringList{"codeTextField", "000000"} + recovery.mid(2) + QStringList{"new123"} << none << 1 << "验证码错误，请重新输入" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("recovery, offline")        << kRecovery << recovery + QStringList{"new123"} << offline << 1 << "" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("recovery, reset")          << kRecovery << recovery + QStringList{"new123"} << none << 1 << "" << "密码修改成功" << 1.0 << "root" << QJsonObject{{"khmm", "new123"}};
        QTest::newRow("password, same as old")    << "QZChangePasswordViewController" << QStringList{"oldPasswordTextField", "abc123", "passwordTextField", "abc123", "confirmTextField", "abc123"} << none << 0 << "您的密码与原密码相同，请修改后重试" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("password, wrong old")      << "QZChangePasswordViewController" << QStringList{"oldPasswordTextField", "abc124"} + password.mid(2) + QStringList{"xyz789"} << none << 1 << "原密码输入错误" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("password, offline")        << "QZChangePasswordViewController" << password + QStringList{"xyz789"} << offline << 1 << "" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("password, changed")        << "QZChangePasswordViewController" << password + QStringList{"xyz789"} << none << 1 << "" << "密码修改成功" << 1.0 << "back" << QJsonObject{{"khmm", "xyz789"}};
        QTest::newRow("email, wrong password")    << "QZChangeEmailViewController" << email + QStringList{"abc12"} << none << 0 << "您的密码输入错误，请输入重试" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("email, offline")           << "QZChangeEmailViewController" << email + QStringList{"abc123"} << offline << 1 << "您还没有连接到网络" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("email, changed")           << "QZChangeEmailViewController" << email + QStringList{"abc123"} << none << 1 << "" << "邮箱修改成功" << 0.25 << "stays" << QJsonObject{{"yxdz", "a@chenglan.cn"}};
        QTest::newRow("mobile, no code")          << "ChangePhoneViewController" << QStringList{"phoneTextField", "13900002222"} << none << 0 << "验证码有误，请从新填写" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("mobile, another's number") << "ChangePhoneViewController" << mobile + QStringList{"15912345678"} << none << 1 << "该手机号码已被其他客户使用" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("mobile, offline")          << "ChangePhoneViewController" << mobile + QStringList{"13900002222"} << offline << 1 << "您还没有连接到网络" << "" << 0.0 << "stays" << unchanged;
        QTest::newRow("mobile, changed")          << "ChangePhoneViewController" << mobile + QStringList{"13900002222"} << none << 1 << "" << "手机号码修改成功" << 1.0 << "back" << unchanged;
        // clang-format on
    }

    void changes()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, typed);
        QFETCH(GatewayFault, fault);
        QFETCH(int, sent);
        QFETCH(QString, alert);
        QFETCH(QString, toast);
        QFETCH(double, seconds);
        QFETCH(QString, goesTo);
        QFETCH(QJsonObject, myDic);
        RootViewController *before = m_phone->push(new RootViewController);
        const bool recovering = screen == kRecovery;
        RootViewController *change =
            open(screen, recovering ? QJsonObject{{"model", recoveryRecord()}} : QJsonObject());
        if (recovering) {
            QVERIFY(tap(change, "sendCodeButton"));
            QTRY_COMPARE(m_phone->toastTexts(), QStringList{"短信已发送"});
        }
        const QString code = screen == kRecovery                          ? "168007"
                             : screen == "QZChangePasswordViewController" ? "168003"
                             : screen == "QZChangeEmailViewController"    ? "168002"
                                                                          : "166015";
        m_phone->gateway().setFault(code, fault);
        for (int i = 0; i + 1 < typed.size(); i += 2)
            QTest::keyClicks(change->findChild<QLineEdit *>(typed.at(i)), typed.at(i + 1));
        QSignalSpy indicator(NetworkActivityIndicator::instance(),
                             &NetworkActivityIndicator::visibilityChanged);
        QVERIFY(tap(change, "confirmButton"));
        if (sent > 0)
            QTRY_COMPARE(indicator.size(), 2); // the answer is in
        QCOMPARE(m_phone->sent(code).size(), sent);
        if (alert.isEmpty())
            QVERIFY(!m_phone->alert());
        else
            QCOMPARE(m_phone->waitForAlertMessage(), alert);
        if (!toast.isEmpty()) {
            QCOMPARE(m_phone->toastTexts().last(), toast);
            QCOMPARE(m_phone->toastDurations().last(), seconds);
        }
        RootViewController *top = goesTo == "root"   ? m_phone->opener()
                                  : goesTo == "back" ? before
                                                     : change;
        QTRY_COMPARE(m_phone->nav()->topViewController(), top);
        for (auto it = myDic.begin(); it != myDic.end(); ++it)
            QCOMPARE(SessionStore::myDicValue(it.key()), it.value().toString());
        QCOMPARE(SessionStore::savedSignIn()->password, QString("abc123")); // never rewritten
    }

    void emailHeaderNamesTheStoredAddress()
    {
        QZLoginModel customer = *Constant::shareConstant()->currentUser();
        customer.yxdz.clear();
        SessionStore::storeMyDic(customer);
        RootViewController *change = open("QZChangeEmailViewController", {});
        QCOMPARE(visibleText(change, "headerView"), QString("<hidden headerView>"));
        QTest::keyClicks(change->findChild<QLineEdit *>("emailTextField"), "a@chenglan.cn");
        QTest::keyClicks(change->findChild<QLineEdit *>("passwordTextField"), "abc123");
        QVERIFY(tap(change, "confirmButton"));
        QTRY_COMPARE(visibleText(change, "emailLabel"), QString("原邮箱地址为a@chenglan.cn"));
        QCOMPARE(m_phone->sent("168002").first().params.value("khmm"), QJsonValue("abc123"));
    }

    void mobileSendCodeButtonDoesNothing()
    {
        RootViewController *change = open("ChangePhoneViewController", {});
        QCOMPARE(change->title(), QString("修改手机号码"));
        QTest::keyClicks(change->findChild<QLineEdit *>("phoneTextField"), "13900002222");
        QVERIFY(tap(change, "sendCodeButton"));
        QVERIFY(!NetworkActivityIndicator::instance()->isVisible()); // a request turns it on
        QVERIFY(m_phone->toastTexts().isEmpty());
        QVERIFY(!m_phone->alert());
    }

private:
    RootViewController *open(const QString &screen, const QJsonObject &properties)
    {
        QString error;
        ViewController *created = ScreenRegistry::instance().create(screen, properties, &error);
        return m_phone->push(qobject_cast<RootViewController *>(created));
    }

    QJsonObject recoveryRecord() const
    {
        return QJsonObject{
            {"khbh", "100001"}, {"zjlx", "N"}, {"zjhm", kIdNumber}, {"sjhm", "13812345678"}};
    }

    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestCredentialChanges)
#include "test_credential_changes.moc"
