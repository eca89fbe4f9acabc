#include "AppConfig.h"
#include "FileDownload.h"
#include "GatewayClient.h"
#include "NetworkActivityIndicator.h"
#include "RawHttpServer.h"
#include "Request.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

// What the continuations saw, for one request.
struct Outcome
{
    int successes = 0;
    int failures = 0;
    std::optional<ResponseEnvelope> envelope;
    QString error;
    bool onMainThread = true;
};

std::shared_ptr<Outcome> post(const RequestEnvelope &envelope, QObject *receiver)
{
    auto outcome = std::make_shared<Outcome>();
    const auto seen = [outcome]() {
        outcome->onMainThread &= QThread::currentThread() == qApp->thread();
    };
    GatewayClient::post(
        envelope, receiver,
        [outcome, seen](const ResponseEnvelope &answer) {
            ++outcome->successes;
            outcome->envelope = answer;
            seen();
        },
        [outcome, seen](const QString &error) {
            ++outcome->failures;
            outcome->error = error;
            seen();
        });
    return outcome;
}

RequestEnvelope someRequest()
{
    return Request::getJsonStr(QStringLiteral("164021"), QJsonObject{{"system_type", "3"}},
                               Request::paging(10, 0));
}

const RawHttpServer::Answer kFlagOne{200, R"([{"flag":"1"}])", {}};

// Personal values of a sign-in and its answer that no log may show as they are.
const QStringList kSecrets = {"S3cretPw",        "11010519491231002X", "6222020200112233",
                              "上海市澄岚路1号", "R3ply0ldPw",         "TrustAcct77"};

RequestEnvelope signInRequest()
{
    return Request::getJsonStr(
        QStringLiteral("168000"),
        QJsonObject{{"zjlx", "N"}, {"zjhm", kSecrets[1]}, {"khmm", kSecrets[0]}});
}

QByteArray customerAnswer()
{
    return QStringLiteral(R"([{"flag":"1","prompt":"登录成功","data":{"record1":[{"khbh":"100001",)"
                          R"("khxm":"张三","zjhm":"%2","yhzh":"%3","txdz":"%4","khmm":"%5",)"
                          R"("nested":[{"zh":"%6"}]}]}}])")
        .arg(kSecrets[1], kSecrets[2], kSecrets[3], kSecrets[4], kSecrets[5])
        .toUtf8();
}

// The log lines of one category, while it is alive.
class LogCapture final
{
    Q_DISABLE_COPY_MOVE(LogCapture)

public:
    LogCapture() { s_previous = qInstallMessageHandler(&LogCapture::take); }
    ~LogCapture() { qInstallMessageHandler(s_previous); }
    static QStringList linesOf(const char *category) { return s_lines.value(category); }
    static QString all()
    {
        QStringList lines;
        for (const QStringList &some : std::as_const(s_lines))
            lines += some;
        return lines.join(u'\n');
    }
    static void clear() { s_lines.clear(); }

private:
    static void take(QtMsgType, const QMessageLogContext &context, const QString &text)
    {
        s_lines[QByteArray(context.category ? context.category : "")].append(text);
    }
    static inline QtMessageHandler s_previous = nullptr;
    static inline QHash<QByteArray, QStringList> s_lines;
};

} // namespace

// The gateway client against a real socket: status handling, the exact bytes on the
// wire, the time-out, screens that go away, and the activity indicator.
class TestCoreGatewayClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A proxy in the environment must not stand between the client and the loopback.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        // Every request and answer is logged at debug level; keep the test output readable.
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.gateway.debug=false"));
    }

    void init()
    {
        m_server = std::make_unique<RawHttpServer>();
        QVERIFY(m_server->isListening());
        AppConfig::setGatewayBaseUrl(m_server->baseUrl());
        m_screen = std::make_unique<QObject>();
        NetworkActivityIndicator::instance()->setVisible(false);
    }

    void cleanup()
    {
        GatewayClient::setTimeout(GatewayClient::kDefaultTimeoutMs);
        m_screen.reset();
        m_server.reset();
    }

    void answers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("success");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("flag");
        QTest::addColumn<int>("records");

        // clang-format off
        QTest::newRow("array with envelope") << 200 << QByteArray(R"([{"flag":"1","prompt":"","data":{"record1":[{"khbh":"1"},{}]}}])") << true << true << 1 << 2;
        QTest::newRow("more records than the page asked for") << 200 << QByteArray(R"([{"flag":"1","data":{"record1":[{},{},{},{},{},{},{},{},{},{},{},{}]}}])") << true << true << 1 << 10;
        QTest::newRow("refusal is still a success of the transport") << 200 << QByteArray(R"([{"flag":"0","prompt":"密码错误"}])") << true << true << 0 << 0;
        // An empty array is a well-formed "nothing": no envelope, no records, no failure.
        QTest::newRow("empty array") << 200 << QByteArray("[]") << true << false << 0 << 0;
        QTest::newRow("201") << 201 << QByteArray(R"([{"flag":1}])") << true << true << 1 << 0;
        QTest::newRow("299") << 299 << QByteArray(R"([{"flag":1}])") << true << true << 1 << 0;
        // A JSON envelope in an error page must not be taken for an answer.
        QTest::newRow("404 with an envelope") << 404 << QByteArray(R"([{"flag":"1"}])") << false << false << 0 << 0;
        QTest::newRow("500 with an envelope") << 500 << QByteArray(R"([{"flag":"1"}])") << false << false << 0 << 0;
        QTest::newRow("503 empty") << 503 << QByteArray() << false << false << 0 << 0;
        QTest::newRow("400") << 400 << QByteArray("bad request") << false << false << 0 << 0;
        // clang-format on
    }

    void answers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, success);
        QFETCH(bool, present);
        QFETCH(int, flag);
        QFETCH(int, records);

        m_server->answerWith({status, body, {}});
        const auto outcome = post(someRequest(), m_screen.get());
        QTRY_COMPARE(outcome->successes + outcome->failures, 1);
        QCOMPARE(outcome->successes, int(success));
        QVERIFY(outcome->onMainThread);
        QVERIFY(!NetworkActivityIndicator::instance()->isVisible());
        if (success) {
            QCOMPARE(outcome->envelope->isPresent(), present);
            QCOMPARE(outcome->envelope->flag(), flag);
            QCOMPARE(outcome->envelope->records().size(), records);
        } else {
            QVERIFY2(outcome->error.contains(QString::number(status)), qPrintable(outcome->error));
        }
        // Exactly one continuation: nothing more arrives later.
        settle();
        QCOMPARE(outcome->successes + outcome->failures, 1);
    }

    // Whatever cannot be an answer goes through the failure path with its reason, and a
    // huge one is refused without reading it: the server gets to send only a little of it.
    void badAnswers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<qint64>("padding");
        QTest::addColumn<bool>("announceLength");

        const qint64 over = GatewayClient::kMaxAnswerBytes;
        // clang-format off
        QTest::newRow("not JSON")                   << QByteArray("<html>maintenance</html>") << qint64(0) << true;
        QTest::newRow("object")                     << QByteArray(R"({"flag":"1"})") << qint64(0) << true;
        QTest::newRow("empty body")                 << QByteArray() << qint64(0) << true;
        QTest::newRow("array of a text")            << QByteArray(R"(["flag"])") << qint64(0) << true;
        QTest::newRow("one byte over, announced")   << QByteArray(R"([{"flag":"1"}])") << over - 13 << true;
        QTest::newRow("one byte over, unannounced") << QByteArray(R"([{"flag":"1"}])") << over - 13 << false;
        QTest::newRow("huge, announced")            << QByteArray(R"([{"flag":"1"}])") << (qint64(128) << 20) << true;
        QTest::newRow("huge, unannounced")          << QByteArray(R"([{"flag":"1"}])") << (qint64(128) << 20) << false;
        // clang-format on
    }

    void badAnswers()
    {
        QFETCH(QByteArray, body);
        QFETCH(qint64, padding);
        QFETCH(bool, announceLength);

        m_server->answerWith({200, body, {}, padding, announceLength});
        const auto outcome = post(someRequest(), m_screen.get());
        QTRY_COMPARE_WITH_TIMEOUT(outcome->successes + outcome->failures, 1, 20000);
        QCOMPARE(outcome->failures, 1);
        QVERIFY2(GatewayClient::isBadAnswer(outcome->error), qPrintable(outcome->error));
        QVERIFY(!NetworkActivityIndicator::instance()->isVisible());
        settle();
        QCOMPARE(outcome->successes + outcome->failures, 1);
        // Socket buffers hold a few megabytes; the rest of a huge answer is never made.
        QVERIFY2(m_server->bytesSent() < 8 * GatewayClient::kMaxAnswerBytes,
                 qPrintable(QString::number(m_server->bytesSent())));
    }

    void largestAnswer_data()
    {
        QTest::addColumn<bool>("announceLength");
        QTest::newRow("announced") << true;
        QTest::newRow("unannounced") << false;
    }

    void largestAnswer()
    {
        QFETCH(bool, announceLength);
        const QByteArray body = R"([{"flag":"1"}])";
        m_server->answerWith(
            {200, body, {}, GatewayClient::kMaxAnswerBytes - body.size(), announceLength});
        const auto outcome = post(someRequest(), m_screen.get());
        QTRY_COMPARE(outcome->successes + outcome->failures, 1);
        QCOMPARE(outcome->successes, 1);
        QCOMPARE(outcome->envelope->flag(), 1);
    }

    // By default one line per request and per answer, with the code, sizes and flag, and
    // no personal value; bodies only on asking for them, and masked even then.
    void logs_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<int>("bodyLines");
        // clang-format off
        QTest::newRow("default")          << "" << 0;
        QTest::newRow("bodies asked for") << "chenglan.gateway.body.debug=true" << 2;
        // clang-format on
    }

    void logs()
    {
        QFETCH(QString, rules);
        QFETCH(int, bodyLines);
        QLoggingCategory::setFilterRules(rules);
        m_server->answerWith({200, customerAnswer(), {}});
        std::shared_ptr<Outcome> outcome;
        {
            LogCapture capture;
            LogCapture::clear();
            outcome = post(signInRequest(), m_screen.get());
            QTRY_COMPARE(outcome->successes, 1);
            const QStringList lines = LogCapture::linesOf("chenglan.gateway");
            QCOMPARE(lines.size(), 2);
            QVERIFY2(lines.at(0).contains("168000"), qPrintable(lines.at(0)));
            QVERIFY2(lines.at(1).contains("168000") && lines.at(1).contains("flag 1") &&
                         lines.at(1).contains(QString::number(customerAnswer().size())),
                     qPrintable(lines.at(1)));
            QCOMPARE(LogCapture::linesOf("chenglan.gateway.body").size(), bodyLines);
            for (const QString &secret : kSecrets)
                QVERIFY2(!LogCapture::all().contains(secret), qPrintable(LogCapture::all()));
            if (bodyLines)
                QVERIFY(LogCapture::linesOf("chenglan.gateway.body").last().contains("张三"));
        }
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.gateway.debug=false"));
    }

    void connectionRefused()
    {
        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        } // closed: nothing listens there now
        AppConfig::setGatewayBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
        const auto outcome = post(someRequest(), m_screen.get());
        QTRY_COMPARE(outcome->successes + outcome->failures, 1);
        QCOMPARE(outcome->failures, 1);
        QVERIFY(!outcome->error.isEmpty());
        QVERIFY(!NetworkActivityIndicator::instance()->isVisible());
    }

    void timeout()
    {
        m_server->holdAnswers();
        GatewayClient::setTimeout(300);
        QCOMPARE(GatewayClient::timeout(), 300);
        QElapsedTimer clock;
        clock.start();
        // The aborted reply must be handled without complaints from Qt.
        QTest::failOnWarning(QRegularExpression(".*"));
        const auto outcome = post(someRequest(), m_screen.get());
        QTRY_COMPARE(m_server->received().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(outcome->successes + outcome->failures, 1, 10000);
        QCOMPARE(outcome->failures, 1);
        QVERIFY(!outcome->error.isEmpty());
        QVERIFY2(clock.elapsed() >= 250, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!NetworkActivityIndicator::instance()->isVisible());
        // An answer that comes after the time-out changes nothing.
        m_server->releaseOne(kFlagOne);
        settle();
        QCOMPARE(outcome->successes, 0);
        QCOMPARE(outcome->failures, 1);
    }

    void requestOnTheWire()
    {
        m_server->answerWith({200, "[{}]", {"Set-Cookie: JSESSIONID=abc123; Path=/"}});
        const RequestEnvelope envelope = Request::getJsonStr(
            QStringLiteral("168000"),
            QJsonObject{{"zjlx", "N"}, {"zjhm", "11010519491231002X"}, {"khxm", "张三"}});
        const auto outcome = post(envelope, m_screen.get());
        QTRY_COMPARE(outcome->successes, 1);
        QCOMPARE(m_server->received().size(), 1);
        const RawHttpServer::Received &request = m_server->received().first();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.target, QByteArray("/appgate/jros/ajax2.do"));
        QCOMPARE(request.headers.value("content-type"),
                 QByteArray("application/json;charset=UTF-8"));
        QCOMPARE(request.body, Request::body(envelope));
        QCOMPARE(
            request.body,
            QByteArray(R"([{"code":"168000","params":{"khxm":"张三","zjhm":"11010519491231002X",)"
                       R"("zjlx":"N"},"params_ext":{}}])"));
        QCOMPARE(request.headers.value("content-length"), QByteArray::number(request.body.size()));
        QVERIFY(!request.headers.contains("cookie"));

        // The cookie the answer set is not sent back.
        const auto second = post(someRequest(), m_screen.get());
        QTRY_COMPARE(second->successes, 1);
        QCOMPARE(m_server->received().size(), 2);
        QVERIFY(!m_server->received().at(1).headers.contains("cookie"));
    }

    void receiverDestroyedBeforeAnswer_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("success") << 200;
        QTest::newRow("failure") << 500;
    }

    void receiverDestroyedBeforeAnswer()
    {
        QFETCH(int, status);
        m_server->holdAnswers();
        auto screen = std::make_unique<QObject>();
        QSignalSpy indicator(NetworkActivityIndicator::instance(),
                             &NetworkActivityIndicator::visibilityChanged);
        const auto outcome = post(someRequest(), screen.get());
        QTRY_COMPARE(m_server->received().size(), 1);
        screen.reset();
        QVERIFY(m_server->releaseOne({status, R"([{"flag":"1"}])", {}}));
        // The answer is still read (the indicator goes off in the same step that would
        // run a continuation) but reaches no one.
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        QCOMPARE(indicator.size(), 2);
        QCOMPARE(outcome->successes + outcome->failures, 0);
    }

    void withoutReceiver()
    {
        m_server->answerWith(kFlagOne);
        const auto outcome = post(someRequest(), nullptr);
        QTRY_COMPARE(outcome->successes, 1);
        QCOMPARE(outcome->envelope->flag(), 1);
    }

    void documentsAreBoundedInSize_data()
    {
        QTest::addColumn<int>("bodyBytes");
        QTest::addColumn<bool>("stored");
        // clang-format off
        QTest::newRow("at the limit is stored") << 4096 << true;
        QTest::newRow("past the limit fails")   << 4097 << false;
        // clang-format on
    }

    void documentsAreBoundedInSize()
    {
        QFETCH(int, bodyBytes);
        QFETCH(bool, stored);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("docs/a.pdf"));
        FileDownload::setMaxBytes(4096);
        m_server->answerWith({200, QByteArray(bodyBytes, 'x'), {}});
        std::optional<bool> ok;
        FileDownload::get(m_server->baseUrl(), path, m_screen.get(), {},
                          [&ok](bool done, const QString &) { ok = done; });
        QTRY_VERIFY(ok.has_value());
        FileDownload::setMaxBytes(FileDownload::kDefaultMaxBytes);
        QCOMPARE(*ok, stored);
        QCOMPARE(QFileInfo::exists(path), stored);
        const auto othersMayRead = QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QCOMPARE(QFile::permissions(QFileInfo(path).absolutePath()) & othersMayRead, 0);
    }

    void indicatorOffOnFirstOfTwoAnswers()
    {
        m_server->holdAnswers();
        auto *indicator = NetworkActivityIndicator::instance();
        QSignalSpy changes(indicator, &NetworkActivityIndicator::visibilityChanged);

        const auto first = post(someRequest(), m_screen.get());
        QVERIFY(indicator->isVisible()); // on at once, before any answer
        const auto second = post(someRequest(), m_screen.get());
        QVERIFY(indicator->isVisible());
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.at(0).at(0).toBool(), true);

        QTRY_COMPARE(m_server->received().size(), 2);
        QVERIFY(m_server->releaseOne(kFlagOne));
        QTRY_COMPARE(first->successes + second->successes, 1);
        // A plain switch, not a counter: off with one request still out.
        QVERIFY(!indicator->isVisible());
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes.at(1).at(0).toBool(), false);

        QVERIFY(m_server->releaseOne(kFlagOne));
        QTRY_COMPARE(first->successes + second->successes, 2);
        QVERIFY(!indicator->isVisible());
        QCOMPARE(changes.size(), 2);
    }

private:
    // Runs one more request to its end: whatever an earlier one still had queued has been
    // delivered by then, without waiting a fixed time.
    void settle()
    {
        m_server->answerWith({200, "[{}]", {}});
        const auto last = post(someRequest(), m_screen.get());
        QTRY_COMPARE(last->successes + last->failures, 1);
    }

    std::unique_ptr<RawHttpServer> m_server;
    std::unique_ptr<QObject> m_screen;
};

QTEST_GUILESS_MAIN(TestCoreGatewayClient)
#include "test_core_gateway_client.moc"
