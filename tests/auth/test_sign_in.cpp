// The sign-in operation without any screen: the form's checks, the parameters of "168000"
// for the form and for the gesture lock, what an answer turns into, and what a success keeps.
#include "AES256.h"
#include "AppConfig.h"
#include "Constant.h"
#include "NetworkActivityIndicator.h"
#include "SessionStore.h"
#include "SignIn.h"
#include "UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A loopback HTTP server that answers every request with one fixed status and body and
// keeps the bodies it was sent.
class CannedGateway : public QTcpServer
{
public:
    CannedGateway()
    {
        connect(this, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket,
                        [this, socket]() { readFrom(socket); });
        });
        listen(QHostAddress::LocalHost, 0);
    }

    QUrl baseUrl() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(serverPort())); }
    void answerWith(int status, const QByteArray &body)
    {
        m_status = status;
        m_body = body;
    }
    const QList<QByteArray> &received() const { return m_received; }

private:
    void readFrom(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        qsizetype length = 0;
        for (const QByteArray &line : buffer.left(headerEnd).split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
        }
        if (buffer.size() < headerEnd + 4 + length)
            return;
        m_received.append(buffer.mid(headerEnd + 4, length));
        m_buffers.remove(socket);
        QByteArray answer = "HTTP/1.1 " + QByteArray::number(m_status) + " X\r\n";
        answer += "Content-Type: application/json\r\nConnection: close\r\n";
        answer += "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body;
        socket->write(answer);
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    int m_status = 200;
    QByteArray m_body;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<QByteArray> m_received;
};

QByteArray answer(const QJsonValue &flag, const QString &prompt, const QJsonArray &records)
{
    const QJsonObject envelope{
        {"flag", flag}, {"prompt", prompt}, {"data", QJsonObject{{"record1", records}}}};
    return QJsonDocument(QJsonArray{envelope}).toJson(QJsonDocument::Compact);
}

QJsonObject customerRecord()
{
    return {
        {"khbh", "100001"}, {"khxm", "王澄宇"}, {"zjlx", "N"},       {"zjhm", "310104198803162418"},
        {"khlx", "3"},      {"khmm", "abc123"}, {"crmkhbh", "CRM1"}, {"sjhm", "13812345678"},
        {"xb", "1"},        {"khzt", "1"},      {"gj", "CHN"}};
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
    }

    void checkForm_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("alert"); // empty: the form may be sent

        const QString idCard = QStringLiteral("请填写正确的身份证号码");
        const QString other = QStringLiteral("请填写正确的证件号码");
        QTest::newRow("id card, good") << "身份证"
                                       << "310104198803162418"
                                       << "";
        QTest::newRow("id card, lower-case x") << "身份证"
                                               << "11010519850612123x"
                                               << "";
        QTest::newRow("id card, empty") << "身份证"
                                        << "" << idCard;
        QTest::newRow("id card, wrong check digit") << "身份证"
                                                    << "310104198803162419" << idCard;
        QTest::newRow("id card, 15 digits") << "身份证"
                                            << "310104880316241" << idCard;
        QTest::newRow("id card, passport number") << "身份证"
                                                  << "E12345678" << idCard;
        QTest::newRow("passport, empty") << "护照"
                                         << "" << other;
        QTest::newRow("passport, any text") << "护照"
                                            << "E12345678"
                                            << "";
        QTest::newRow("passport, not checked as an id card") << "护照"
                                                             << "123"
                                                             << "";
        QTest::newRow("hong kong card, empty") << "香港居民身份证"
                                               << "" << other;
        QTest::newRow("hong kong card") << "香港居民身份证"
                                        << "A1234567"
                                        << "";
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
        QTest::newRow("sixteen characters") << "abcdefgh12345678";
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
        QVERIFY(khmm != password || password.isEmpty());
        QVERIFY(!khmm.isEmpty()); // even an empty password travels as one block of padding
        QCOMPARE(AES256::AES256DecryptWithCiphertext(khmm, AES256::kPasswordKey),
                 std::optional<QString>(password));
    }

    void gestureTypeNamesPutMobileFirst()
    {
        QCOMPARE(SignIn::gestureTypeNames(),
                 (QStringList{"手机", "护照", "身份证", "军人身份证", "武装警察身份证",
                              "临时居民身份证", "澳门居民身份证", "香港居民身份证",
                              "港澳居民往来内地通行证", "台湾居民往来内地通行证"}));
    }

    void gestureParams_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("zjlx"); // empty: no zjlx at all

        QTest::newRow("mobile") << "手机"
                                << "SJ";
        QTest::newRow("passport") << "护照"
                                  << "P";
        QTest::newRow("id card") << "身份证"
                                 << "N";
        QTest::newRow("military") << "军人身份证"
                                  << "M";
        QTest::newRow("armed police") << "武装警察身份证"
                                      << "A";
        QTest::newRow("temporary") << "临时居民身份证"
                                   << "T";
        QTest::newRow("macao") << "澳门居民身份证"
                               << "Y";
        QTest::newRow("hong kong") << "香港居民身份证"
                                   << "X";
        QTest::newRow("hk and macao permit") << "港澳居民往来内地通行证"
                                             << "K";
        QTest::newRow("taiwan permit") << "台湾居民往来内地通行证"
                                       << "W";
        QTest::newRow("not in the list") << "驾驶证"
                                         << "";
        QTest::newRow("empty type") << ""
                                    << "";
    }

    void gestureParams()
    {
        QFETCH(QString, type);
        QFETCH(QString, zjlx);
        SavedSignIn saved;
        saved.type = type;
        saved.numberID = QStringLiteral("A1234567");
        saved.password = QStringLiteral("abc123");
        saved.autoLogin = true;
        const auto params = SignIn::gestureParams(saved);
        QVERIFY(params);
        QCOMPARE(params->contains("zjlx"), !zjlx.isEmpty());
        if (!zjlx.isEmpty())
            QCOMPARE(params->value("zjlx").toString(), zjlx);
        QCOMPARE(params->value("zjhm").toString(), QString("A1234567"));
        QCOMPARE(AES256::AES256DecryptWithCiphertext(params->value("khmm").toString()),
                 std::optional<QString>("abc123"));
        QCOMPARE(params->size(), zjlx.isEmpty() ? 2 : 3);
    }

    void sendTurnsAnswersIntoOutcomes_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<SignIn::Result::Outcome>("outcome");
        QTest::addColumn<QString>("prompt");

        using Outcome = SignIn::Result::Outcome;
        QTest::newRow("flag 1 with the customer")
            << 200 << answer(1, "登录成功", {customerRecord()}) << Outcome::SignedIn << "";
        QTest::newRow("flag \"1\" as text")
            << 200 << answer("1", "登录成功", {customerRecord()}) << Outcome::SignedIn << "";
        QTest::newRow("flag 1 without a record")
            << 200 << answer(1, "登录成功", {}) << Outcome::Refused << "登录失败";
        QTest::newRow("flag 1 without data")
            << 200 << QByteArray(R"([{"flag":1,"prompt":"登录成功"}])") << Outcome::Refused
            << "登录失败";
        QTest::newRow("flag 0") << 200 << answer(0, "用户名或密码错误", {}) << Outcome::Refused
                                << "用户名或密码错误";
        QTest::newRow("flag 0 with a record") << 200 << answer(0, "账户已冻结", {customerRecord()})
                                              << Outcome::Refused << "账户已冻结";
        QTest::newRow("empty array") << 200 << QByteArray("[]") << Outcome::Refused << "";
        QTest::newRow("not json") << 200 << QByteArray("<html>busy</html>") << Outcome::Refused
                                  << "";
        QTest::newRow("status 500") << 500 << QByteArray("error") << Outcome::NetworkFailure << "";
        QTest::newRow("status 404") << 404 << QByteArray() << Outcome::NetworkFailure << "";
    }

    void sendTurnsAnswersIntoOutcomes()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(SignIn::Result::Outcome, outcome);
        QFETCH(QString, prompt);

        CannedGateway server;
        QVERIFY(server.isListening());
        server.answerWith(status, body);
        AppConfig::setGatewayBaseUrl(server.baseUrl());

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
            QCOMPARE(result->customer.khxm, QString("王澄宇"));
        }
        // Sending changes nothing in the session: that is the caller's business.
        QVERIFY(!Constant::shareConstant()->IsLogin());

        QCOMPARE(server.received().size(), 1);
        const QJsonArray sent = QJsonDocument::fromJson(server.received().first()).array();
        QCOMPARE(sent.size(), 1);
        const QJsonObject envelope = sent.first().toObject();
        QCOMPARE(envelope.value("code").toString(), QString("168000"));
        QCOMPARE(envelope.value("params").toObject().value("zjhm").toString(),
                 QString("310104198803162418"));
        QCOMPARE(envelope.value("params_ext").toObject(), QJsonObject());
    }

    void sendDropsTheAnswerOfAGoneReceiver()
    {
        CannedGateway server;
        server.answerWith(200, answer(1, "登录成功", {customerRecord()}));
        AppConfig::setGatewayBaseUrl(server.baseUrl());
        auto *receiver = new QObject;
        NetworkActivityIndicator::instance()->setVisible(false);
        bool called = false;
        SignIn::send(*SignIn::params("N", "310104198803162418", "abc123"), receiver,
                     [&called](const SignIn::Result &) { called = true; });
        delete receiver;
        // The indicator goes off once the answer has been taken in, receiver or not.
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        QCOMPARE(server.received().size(), 1);
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
        customer.zjlx = "P";
        customer.zjhm = "E12345678";
        customer.khmm = "abc123";
        customer.gj = "CHN"; // not one of the eleven kept fields

        SignIn::storeFormSignIn(customer, "护照", "E12345678", "abc123");

        const QJsonObject signin =
            UserDefaults::standard().dictionaryForKey("signin").value_or(QJsonObject());
        QCOMPARE(signin, (QJsonObject{{"password", "abc123"},
                                      {"type", "护照"},
                                      {"numberID", "E12345678"},
                                      {"autoLogin", "YES"}}));
        QCOMPARE(UserDefaults::standard().stringForKey("loginInStatus"),
                 std::optional<QString>("YES"));
        const QJsonObject myDic =
            UserDefaults::standard().dictionaryForKey("myDic").value_or(QJsonObject());
        QCOMPARE(myDic.size(), 11);
        QCOMPARE(myDic.keys(), (QStringList{"crmkhbh", "khbh", "khlx", "khmm", "khxm", "khzt",
                                            "sjhm", "xb", "yxdz", "zjhm", "zjlx"}));
        QCOMPARE(myDic.value("khbh").toString(), QString("100002"));
        QCOMPARE(myDic.value("khxm").toString(), QString("陈安娜"));
        QCOMPARE(myDic.value("crmkhbh").toString(), QString("")); // absent fields are kept empty
        QVERIFY(myDic.value("crmkhbh").isString());
        QVERIFY(Constant::shareConstant()->IsLogin());
        QVERIFY(Constant::shareConstant()->currentUser());
        QCOMPARE(Constant::shareConstant()->currentUser()->khbh, QString("100002"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSignIn)
#include "test_sign_in.moc"
