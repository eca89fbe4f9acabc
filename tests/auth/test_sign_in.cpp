// The sign-in operation without any screen: the form's checks, the parameters of "168000"
// for the form and for the gesture lock, what an answer turns into, and what a success keeps.
#include "AES256.h"
#include "AppConfig.h"
#include "Constant.h"
#include "IdentityDocumentTypes.h"
#include "NetworkActivityIndicator.h"
#include "RawHttpServer.h"
#include "SessionStore.h"
#include "SignIn.h"
#include "UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray answer(const QJsonValue &flag, const QString &prompt, const QJsonArray &records)
{
    const QJsonObject envelope{
        {"flag", flag}, {"prompt", prompt}, {"data", QJsonObject{{"record1", records}}}};
    return QJsonDocument(QJsonArray{envelope}).toJson(QJsonDocument::Compact);
}

const QJsonObject kCustomer{
    {"khbh", "100001"}, {"khxm", "王澄宇"}, {"zjlx", "N"}, {"zjhm", "310104198803162418"}};

// The demo customer with one field `length` characters long.
QJsonObject withField(const QString &key, int length)
{
    QJsonObject customer = kCustomer;
    customer.insert(key, QString(length, u'澄'));
    return customer;
}

} // namespace

Q_DECLARE_METATYPE(SignIn::Result::Outcome)

class TestSignIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.*.debug=false"));
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        QVERIFY(m_dir.isValid());
        UserDefaults::standard().open(m_dir.filePath(QStringLiteral("user-defaults.json")));
    }

    void init()
    {
        for (const QString &key : UserDefaults::standard().toJson().keys())
            UserDefaults::standard().removeObjectForKey(key);
        Constant::shareConstant()->setIsLogin(false);
        Constant::shareConstant()->setCurrentUser(std::nullopt);
        QVERIFY(m_server.isListening());
        AppConfig::setGatewayBaseUrl(m_server.baseUrl());
    }

    void checkForm_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("alert"); // empty: the form may be sent

        const QString idCard = QStringLiteral("请填写正确的身份证号码");
        const QString other = QStringLiteral("请填写正确的证件号码");
        // clang-format off
        QTest::newRow("id card, good") << "身份证" << "310104198803162418" << "";
        QTest::newRow("id card, lower-case x") << "身份证" << "11010519850612123x" << "";
        QTest::newRow("id card, empty") << "身份证" << "" << idCard;
        QTest::newRow("id card, wrong check digit") << "身份证" << "310104198803162419" << idCard;
        QTest::newRow("id card, passport number") << "身份证" << "E12345678" << idCard;
        QTest::newRow("passport, empty") << "护照" << "" << other;
        QTest::newRow("passport, not checked as an id card") << "护照" << "123" << "";
        QTest::newRow("hong kong card, empty") << "香港居民身份证" << "" << other;
        // clang-format on
    }

    void checkForm()
    {
        QFETCH(QString, type);
        QFETCH(QString, number);
        QFETCH(QString, alert);
        const std::optional<QString> problem = SignIn::checkForm(type, number);
        QCOMPARE(problem.value_or(QString()), alert);
        QCOMPARE(problem.has_value(), !alert.isEmpty());
    }

    void paramsCarryTheEncryptedPassword_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("letters and digits") << "abc123";
        QTest::newRow("empty") << "";
        QTest::newRow("not ascii") << "密码abc";
    }

    void paramsCarryTheEncryptedPassword()
    {
        QFETCH(QString, password);
        const auto params = SignIn::params("P", "E12345678", password);
        QVERIFY(params);
        QCOMPARE(params->keys(), (QStringList{"khmm", "zjhm", "zjlx"}));
        QCOMPARE(params->value("zjlx").toString(), QString("P"));
        QCOMPARE(params->value("zjhm").toString(), QString("E12345678"));
        const QString khmm = params->value("khmm").toString();
        QVERIFY(khmm != password);
        QVERIFY(!khmm.isEmpty()); // even an empty password travels as one block of padding
        QCOMPARE(AES256::AES256DecryptWithCiphertext(khmm, AES256::kPasswordKey),
                 std::optional<QString>(password));
    }

    void gestureTypeNamesPutMobileFirst()
    {
        QStringList expected{IdentityDocumentTypes::mobile().name};
        for (const IdentityDocumentType &type : IdentityDocumentTypes::pickerTypes())
            expected.append(type.name);
        QCOMPARE(SignIn::gestureTypeNames(), expected);
        QCOMPARE(expected.first(), QString("手机"));
    }

    void gestureParams_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("zjlx"); // empty: no zjlx at all

        // clang-format off
        QTest::newRow("mobile") << "手机" << "SJ";
        QTest::newRow("id card") << "身份证" << "N";
        QTest::newRow("last of the list") << "台湾居民往来内地通行证" << "W";
        QTest::newRow("not in the list") << "驾驶证" << "";
        QTest::newRow("empty type") << "" << "";
        QTest::newRow("padded name") << " 护照" << "";
        QTest::newRow("a code is not a name") << "P" << "";
        // clang-format on
    }

    void gestureParams()
    {
        QFETCH(QString, type);
        QFETCH(QString, zjlx);
        const auto params = SignIn::gestureParams(SavedSignIn{"abc123", type, "A1234567", true});
        QVERIFY(params);
        QCOMPARE(params->value("zjlx").toString(), zjlx);
        QCOMPARE(params->size(), zjlx.isEmpty() ? 2 : 3);
        QCOMPARE(params->value("zjhm").toString(), QString("A1234567"));
        QCOMPARE(AES256::AES256DecryptWithCiphertext(params->value("khmm").toString()),
                 std::optional<QString>("abc123"));
    }

    void sendTurnsAnswersIntoOutcomes_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<SignIn::Result::Outcome>("outcome");
        QTest::addColumn<QString>("prompt");

        using Outcome = SignIn::Result::Outcome;
        // clang-format off
        QTest::newRow("flag 1 with the customer") << 200 << answer(1, "登录成功", {kCustomer}) << Outcome::SignedIn << "";
        QTest::newRow("flag \"1\" as text") << 200 << answer("1", "登录成功", {kCustomer}) << Outcome::SignedIn << "";
        QTest::newRow("flag 1 without a record") << 200 << answer(1, "登录成功", {}) << Outcome::Refused << "登录失败";
        QTest::newRow("flag 1 without data") << 200 << QByteArray(R"([{"flag":1,"prompt":"登录成功"}])") << Outcome::Refused << "登录失败";
        QTest::newRow("flag 0") << 200 << answer(0, "用户名或密码错误", {}) << Outcome::Refused << "用户名或密码错误";
        QTest::newRow("flag 0 with a record") << 200 << answer(0, "账户已冻结", {kCustomer}) << Outcome::Refused << "账户已冻结";
        QTest::newRow("flag 1, record not an object") << 200 << answer(1, "登录成功", {"100001"}) << Outcome::Refused << "登录失败";
        QTest::newRow("flag 1, no khbh") << 200 << answer(1, "登录成功", {QJsonObject{{"khxm", "王澄宇"}}}) << Outcome::Refused << "登录失败";
        QTest::newRow("flag 1, empty khbh") << 200 << answer(1, "登录成功", {QJsonObject{{"khbh", ""}}}) << Outcome::Refused << "登录失败";
        QTest::newRow("flag 1, blank khbh") << 200 << answer(1, "登录成功", {QJsonObject{{"khbh", "  "}}}) << Outcome::Refused << "登录失败";
        QTest::newRow("flag 1, a field at the bound") << 200 << answer(1, "登录成功", {withField("khxm", 1000)}) << Outcome::SignedIn << "";
        QTest::newRow("flag 1, a field past the bound") << 200 << answer(1, "登录成功", {withField("txdz", 1001)}) << Outcome::Refused << "登录失败";
        QTest::newRow("flag 0 without a prompt") << 200 << answer(0, "", {}) << Outcome::Refused << "登录失败";
        QTest::newRow("empty array") << 200 << QByteArray("[]") << Outcome::Refused << "登录失败";
        QTest::newRow("not json") << 200 << QByteArray("<html>busy</html>") << Outcome::NetworkFailure << "";
        QTest::newRow("status 500") << 500 << QByteArray("error") << Outcome::NetworkFailure << "";
        // clang-format on
    }

    void sendTurnsAnswersIntoOutcomes()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(SignIn::Result::Outcome, outcome);
        QFETCH(QString, prompt);

        m_server.answerWith({status, body, {}});
        const qsizetype sentBefore = m_server.received().size();
        QObject receiver;
        std::optional<SignIn::Result> result;
        int calls = 0;
        SignIn::send(*SignIn::params("N", "310104198803162418", "abc123"), &receiver,
                     [&](const SignIn::Result &r) {
                         result = r;
                         ++calls;
                     });
        QTRY_VERIFY(result.has_value());
        QCOMPARE(calls, 1);
        QCOMPARE(result->outcome, outcome);
        QCOMPARE(result->prompt, prompt);
        if (outcome == SignIn::Result::Outcome::SignedIn) {
            QCOMPARE(result->customer.khbh, QString("100001"));
            QVERIFY(!result->customer.khxm.isEmpty());
        }
        // Sending changes nothing in the session: that is the caller's business.
        QVERIFY(!Constant::shareConstant()->IsLogin());

        QCOMPARE(m_server.received().size(), sentBefore + 1);
        const QJsonArray sent = QJsonDocument::fromJson(m_server.received().last().body).array();
        QCOMPARE(sent.size(), 1);
        const QJsonObject envelope = sent.first().toObject();
        QCOMPARE(envelope.value("code").toString(), QString("168000"));
        QCOMPARE(envelope.value("params").toObject().value("zjhm").toString(),
                 QString("310104198803162418"));
        QCOMPARE(envelope.value("params_ext").toObject(), QJsonObject());
    }

    void sendDropsTheAnswerOfAGoneReceiver()
    {
        m_server.answerWith({200, answer(1, "登录成功", {kCustomer}), {}});
        const qsizetype sentBefore = m_server.received().size();
        auto *receiver = new QObject;
        NetworkActivityIndicator::instance()->setVisible(false);
        bool called = false;
        SignIn::send(*SignIn::params("N", "310104198803162418", "abc123"), receiver,
                     [&called](const SignIn::Result &) { called = true; });
        delete receiver;
        // The indicator goes off once the answer has been taken in, receiver or not.
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        QCOMPARE(m_server.received().size(), sentBefore + 1);
        QVERIFY(!called);
    }

    void storeFormSignInKeepsEverything()
    {
        // An earlier sign-in's extra key does not survive: the dictionary is rewritten.
        UserDefaults::standard().setObject("signin",
                                           QJsonObject{{"password", "old"}, {"legacy", "x"}});
        QZLoginModel customer;
        customer.khbh = "100002";
        customer.khxm = "陈安娜";
        customer.gj = "CHN"; // not one of the eleven kept fields

        SignIn::storeFormSignIn(customer, "护照", "E12345678", "abc123");

        const UserDefaults &store = UserDefaults::standard();
        QCOMPARE(store.dictionaryForKey("signin").value_or(QJsonObject()),
                 (QJsonObject{{"password", "abc123"},
                              {"type", "护照"},
                              {"numberID", "E12345678"},
                              {"autoLogin", "YES"}}));
        QCOMPARE(store.stringForKey("loginInStatus"), std::optional<QString>("YES"));
        const QJsonObject myDic = store.dictionaryForKey("myDic").value_or(QJsonObject());
        QCOMPARE(myDic.size(), 11);
        QCOMPARE(myDic.value("khbh").toString(), QString("100002"));
        QVERIFY(!myDic.contains("gj"));
        QVERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(Constant::shareConstant()->currentUser()->khbh, QString("100002"));
    }

private:
    QTemporaryDir m_dir;
    RawHttpServer m_server;
};

QTEST_GUILESS_MAIN(TestSignIn)
#include "test_sign_in.moc"
