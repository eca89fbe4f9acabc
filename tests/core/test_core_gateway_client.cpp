#include "AppConfig.h"
#include "GatewayClient.h"
#include "NetworkActivityIndicator.h"
#include "Request.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

// A loopback HTTP/1.1 server just big enough to record what the client sends and to
// answer with any status and body, or to hold the answer back until told.
class RawHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QList<QByteArray> headers;
    };

    struct Received
    {
        QByteArray method;
        QByteArray target;
        QList<QPair<QByteArray, QByteArray>> headers; // names lower-cased
        QByteArray body;

        QByteArray header(const QByteArray &name) const
        {
            for (const auto &[key, value] : headers) {
                if (key == name)
                    return value;
            }
            return {};
        }
        bool hasHeader(const QByteArray &name) const
        {
            for (const auto &entry : headers) {
                if (entry.first == name)
                    return true;
            }
            return false;
        }
    };

    RawHttpServer()
    {
        connect(this, &QTcpServer::newConnection, this, &RawHttpServer::acceptAll);
        listen(QHostAddress::LocalHost, 0);
    }

    QUrl baseUrl() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(serverPort())); }

    // Answer every request at once with this; without one, requests are held.
    void answerWith(const Answer &answer) { m_answer = answer; }
    void holdAnswers() { m_answer.reset(); }

    // Answers the oldest request held back. False when none is waiting.
    bool releaseOne(const Answer &answer)
    {
        while (!m_held.isEmpty()) {
            QPointer<QTcpSocket> socket = m_held.takeFirst();
            if (socket) {
                send(socket, answer);
                return true;
            }
        }
        return false;
    }

    const QList<Received> &received() const { return m_received; }
    qsizetype heldCount() const { return m_held.size(); }

signals:
    void requestReceived();

private:
    void acceptAll()
    {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void readFrom(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        Received request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
        request.method = requestLine.value(0);
        request.target = requestLine.value(1);
        qsizetype contentLength = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon < 0)
                continue;
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            request.headers.append({name, value});
            if (name == "content-length")
                contentLength = value.toLongLong();
        }
        if (buffer.size() < headerEnd + 4 + contentLength)
            return;
        request.body = buffer.mid(headerEnd + 4, contentLength);
        m_buffers.remove(socket);
        m_received.append(request);
        if (m_answer)
            send(socket, *m_answer);
        else
            m_held.append(socket);
        emit requestReceived();
    }

    static void send(QTcpSocket *socket, const Answer &answer)
    {
        QByteArray response = "HTTP/1.1 " + QByteArray::number(answer.status) + " Status\r\n";
        response += "Content-Type: text/html\r\n";
        for (const QByteArray &header : answer.headers)
            response += header + "\r\n";
        response += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        response += "Connection: close\r\n\r\n";
        response += answer.body;
        socket->write(response);
        socket->disconnectFromHost();
    }

    std::optional<Answer> m_answer;
    QList<QPointer<QTcpSocket>> m_held;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<Received> m_received;
};

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
    GatewayClient::post(
        envelope, receiver,
        [outcome](const ResponseEnvelope &answer) {
            ++outcome->successes;
            outcome->envelope = answer;
            outcome->onMainThread =
                outcome->onMainThread && QThread::currentThread() == qApp->thread();
        },
        [outcome](const QString &error) {
            ++outcome->failures;
            outcome->error = error;
            outcome->onMainThread =
                outcome->onMainThread && QThread::currentThread() == qApp->thread();
        });
    return outcome;
}

RequestEnvelope someRequest()
{
    return Request::getJsonStr(QStringLiteral("164021"), QJsonObject{{"system_type", "3"}},
                               Request::paging(10, 0));
}

} // namespace

// The gateway client against a real socket: status handling, the exact bytes on the
// wire, the time-out, screens that go away, and the activity indicator.
class TestCoreGatewayClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void successBodies_data();
    void successBodies();
    void failureStatuses_data();
    void failureStatuses();
    void connectionRefused();
    void timeout();
    void requestOnTheWire();
    void noCookiesKept();
    void receiverDestroyedBeforeAnswer();
    void withoutReceiver();
    void indicatorOffOnFirstOfTwoAnswers();

private:
    std::unique_ptr<RawHttpServer> m_server;
    std::unique_ptr<QObject> m_screen;
};

void TestCoreGatewayClient::initTestCase()
{
    // A proxy in the environment must not stand between the client and the loopback.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    // Every request and answer is logged at debug level; keep the test output readable.
    QLoggingCategory::setFilterRules(QStringLiteral("chenglan.gateway.debug=false"));
}

void TestCoreGatewayClient::init()
{
    m_server = std::make_unique<RawHttpServer>();
    QVERIFY(m_server->isListening());
    AppConfig::setGatewayBaseUrl(m_server->baseUrl());
    m_screen = std::make_unique<QObject>();
    NetworkActivityIndicator::instance()->setVisible(false);
}

void TestCoreGatewayClient::cleanup()
{
    GatewayClient::setTimeout(GatewayClient::kDefaultTimeoutMs);
    m_screen.reset();
    m_server.reset();
}

void TestCoreGatewayClient::successBodies_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("records");

    QTest::newRow("array with envelope")
        << 200 << QByteArray(R"([{"flag":"1","prompt":"","data":{"record1":[{"khbh":"1"},{}]}}])")
        << true << 1 << 2;
    QTest::newRow("refusal is still a success of the transport")
        << 200 << QByteArray(R"([{"flag":"0","prompt":"密码错误"}])") << true << 0 << 0;
    QTest::newRow("empty array") << 200 << QByteArray("[]") << false << 0 << 0;
    QTest::newRow("not JSON") << 200 << QByteArray("<html>maintenance</html>") << false << 0 << 0;
    QTest::newRow("object") << 200 << QByteArray(R"({"flag":"1"})") << false << 0 << 0;
    QTest::newRow("empty body") << 200 << QByteArray() << false << 0 << 0;
    QTest::newRow("201") << 201 << QByteArray(R"([{"flag":1}])") << true << 1 << 0;
    QTest::newRow("299") << 299 << QByteArray(R"([{"flag":1}])") << true << 1 << 0;
}

void TestCoreGatewayClient::successBodies()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, present);
    QFETCH(int, flag);
    QFETCH(int, records);

    m_server->answerWith({status, body, {}});
    const auto outcome = post(someRequest(), m_screen.get());
    QTRY_COMPARE(outcome->successes + outcome->failures, 1);
    QCOMPARE(outcome->successes, 1);
    QCOMPARE(outcome->failures, 0);
    QVERIFY(outcome->onMainThread);
    QCOMPARE(outcome->envelope->isPresent(), present);
    QCOMPARE(outcome->envelope->flag(), flag);
    QCOMPARE(outcome->envelope->records().size(), records);
    // Exactly one continuation: nothing more arrives later.
    QTest::qWait(50);
    QCOMPARE(outcome->successes + outcome->failures, 1);
}

void TestCoreGatewayClient::failureStatuses_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    // A JSON envelope in an error page must not be taken for an answer.
    QTest::newRow("404") << 404 << QByteArray(R"([{"flag":"1"}])");
    QTest::newRow("500") << 500 << QByteArray(R"([{"flag":"1"}])");
    QTest::newRow("503 empty") << 503 << QByteArray();
    QTest::newRow("400") << 400 << QByteArray("bad request");
}

void TestCoreGatewayClient::failureStatuses()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);

    m_server->answerWith({status, body, {}});
    const auto outcome = post(someRequest(), m_screen.get());
    QTRY_COMPARE(outcome->successes + outcome->failures, 1);
    QCOMPARE(outcome->failures, 1);
    QCOMPARE(outcome->successes, 0);
    QVERIFY(outcome->onMainThread);
    QVERIFY(!outcome->error.isEmpty());
    QVERIFY2(outcome->error.contains(QString::number(status)), qPrintable(outcome->error));
    QVERIFY(!NetworkActivityIndicator::instance()->isVisible());
}

void TestCoreGatewayClient::connectionRefused()
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

void TestCoreGatewayClient::timeout()
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
    m_server->releaseOne({200, R"([{"flag":"1"}])", {}});
    QTest::qWait(100);
    QCOMPARE(outcome->successes, 0);
    QCOMPARE(outcome->failures, 1);
}

void TestCoreGatewayClient::requestOnTheWire()
{
    m_server->answerWith({200, "[{}]", {}});
    const RequestEnvelope envelope = Request::getJsonStr(
        QStringLiteral("168000"),
        QJsonObject{{"zjlx", "N"}, {"zjhm", "11010519491231002X"}, {"khxm", "张三"}});
    const auto outcome = post(envelope, m_screen.get());
    QTRY_COMPARE(outcome->successes, 1);
    QCOMPARE(m_server->received().size(), 1);
    const RawHttpServer::Received &request = m_server->received().first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.target, QByteArray("/appgate/jros/ajax2.do"));
    QCOMPARE(request.header("content-type"), QByteArray("application/json;charset=UTF-8"));
    QCOMPARE(request.body, Request::body(envelope));
    QCOMPARE(request.body,
             QByteArray(R"([{"code":"168000","params":{"khxm":"张三","zjhm":"11010519491231002X",)"
                        R"("zjlx":"N"},"params_ext":{}}])"));
    QCOMPARE(request.header("content-length"), QByteArray::number(request.body.size()));
    QVERIFY(!request.hasHeader("cookie"));
}

void TestCoreGatewayClient::noCookiesKept()
{
    m_server->answerWith({200, "[{}]", {"Set-Cookie: JSESSIONID=abc123; Path=/"}});
    const auto first = post(someRequest(), m_screen.get());
    QTRY_COMPARE(first->successes, 1);
    const auto second = post(someRequest(), m_screen.get());
    QTRY_COMPARE(second->successes, 1);
    QCOMPARE(m_server->received().size(), 2);
    QVERIFY(!m_server->received().at(1).hasHeader("cookie"));
}

void TestCoreGatewayClient::receiverDestroyedBeforeAnswer()
{
    m_server->holdAnswers();
    auto screen = std::make_unique<QObject>();
    QSignalSpy indicator(NetworkActivityIndicator::instance(),
                         &NetworkActivityIndicator::visibilityChanged);
    const auto outcome = post(someRequest(), screen.get());
    QTRY_COMPARE(m_server->received().size(), 1);
    screen.reset();
    QVERIFY(m_server->releaseOne({200, R"([{"flag":"1"}])", {}}));
    // The answer is still read (the indicator goes off) but reaches no one.
    QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
    QCOMPARE(indicator.size(), 2);
    QTest::qWait(50);
    QCOMPARE(outcome->successes, 0);
    QCOMPARE(outcome->failures, 0);

    // The same for a failure answer.
    auto other = std::make_unique<QObject>();
    const auto failed = post(someRequest(), other.get());
    QTRY_COMPARE(m_server->received().size(), 2);
    other.reset();
    QVERIFY(m_server->releaseOne({500, "", {}}));
    QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
    QTest::qWait(50);
    QCOMPARE(failed->successes + failed->failures, 0);
}

void TestCoreGatewayClient::withoutReceiver()
{
    m_server->answerWith({200, R"([{"flag":"1"}])", {}});
    const auto outcome = post(someRequest(), nullptr);
    QTRY_COMPARE(outcome->successes, 1);
    QCOMPARE(outcome->envelope->flag(), 1);
}

void TestCoreGatewayClient::indicatorOffOnFirstOfTwoAnswers()
{
    m_server->holdAnswers();
    auto *indicator = NetworkActivityIndicator::instance();
    QSignalSpy changes(indicator, &NetworkActivityIndicator::visibilityChanged);

    const auto first = post(someRequest(), m_screen.get());
    // On at once, before any answer.
    QVERIFY(indicator->isVisible());
    const auto second = post(someRequest(), m_screen.get());
    QVERIFY(indicator->isVisible());
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toBool(), true);

    QTRY_COMPARE(m_server->received().size(), 2);
    QVERIFY(m_server->releaseOne({200, R"([{"flag":"1"}])", {}}));
    QTRY_COMPARE(first->successes + second->successes, 1);
    // A plain switch, not a counter: off with one request still out.
    QVERIFY(!indicator->isVisible());
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(1).at(0).toBool(), false);

    QVERIFY(m_server->releaseOne({200, R"([{"flag":"1"}])", {}}));
    QTRY_COMPARE(first->successes + second->successes, 2);
    QVERIFY(!indicator->isVisible());
    QCOMPARE(changes.size(), 2);
}

QTEST_GUILESS_MAIN(TestCoreGatewayClient)
#include "test_core_gateway_client.moc"
