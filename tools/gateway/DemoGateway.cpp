#include "DemoGateway.h"

#include "AccountService.h"
#include "ActivityService.h"
#include "DatasetBuilder.h"
#include "DemoLog.h"
#include "DemoRules.h"
#include "DemoStore.h"
#include "FunctionRegistry.h"
#include "GatewayCall.h"
#include "GatewayHttpServer.h"
#include "HoldingService.h"
#include "MediaLibrary.h"
#include "MessageService.h"
#include "PointsService.h"
#include "ProductService.h"
#include "RecordQuery.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTimer>

// The embedded dataset lives in a static library: its resources must be pulled in by name.
static void initGatewayResources()
{
    Q_INIT_RESOURCE(gateway);
}

const QString DemoGateway::kGatewayPath = QStringLiteral("/appgate/jros/ajax2.do");
const QString DemoGateway::kFaultsPath = QStringLiteral("/demo/faults");
const QByteArray DemoGateway::kControlHeader = "X-Chenglan-Control";
const QString DemoGateway::kDefaultDataset = QStringLiteral(":/gateway/demo-dataset.json");

namespace {

using Status = QHttpServerResponder::StatusCode;

const QString kMediaPrefix = QStringLiteral("/upload/user/1/");
const QString kInternalMediaPrefix = QStringLiteral("/ump/upload/user/1/");
const QByteArray kJsonType = "application/json;charset=UTF-8";
const QByteArray kTextType = "text/plain;charset=UTF-8";

void sendText(QHttpServerResponder &responder, Status status, const QString &text)
{
    responder.write(text.toUtf8(), kTextType, status);
}

void sendJson(QHttpServerResponder &responder, const QJsonDocument &document,
              Status status = Status::Ok)
{
    responder.write(document.toJson(QJsonDocument::Compact), kJsonType, status);
}

// 405 with the methods the endpoint does answer.
void refuseMethod(QHttpServerResponder &responder, const QByteArray &allowed)
{
    responder.write(QByteArray("Method Not Allowed"),
                    {{"Content-Type", kTextType}, {"Allow", allowed}}, Status::MethodNotAllowed);
}

// Plays the faults that every endpoint plays alike, a dropped connection and an HTTP status;
// false when `fault` is of another kind and the caller answers.
bool answerTransportFault(QHttpServerResponder &responder, const GatewayFault &fault)
{
    switch (fault.kind) {
    case GatewayFault::Kind::Drop:
        responder.socket()->abort();
        return true;
    case GatewayFault::Kind::HttpStatus:
        sendText(responder, Status(fault.httpStatus),
                 QStringLiteral("demo fault: HTTP %1").arg(fault.httpStatus));
        return true;
    default:
        return false;
    }
}

// Runs `answer` now, or after `delayMs` if the client is still connected by then.
void answerLater(QObject *context, int delayMs, QHttpServerResponder &&responder,
                 std::function<void(QHttpServerResponder &)> answer)
{
    if (delayMs <= 0) {
        answer(responder);
        return;
    }
    auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
    QPointer<QTcpSocket> socket = held->socket();
    QTimer::singleShot(delayMs, context, [held, socket, answer = std::move(answer)] {
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            answer(*held);
    });
}

} // namespace

DemoGateway::DemoGateway(QObject *parent)
    : QObject(parent), m_store(std::make_unique<DemoStore>()),
      m_registry(std::make_unique<FunctionRegistry>()), m_media(std::make_unique<MediaLibrary>()),
      m_accounts(std::make_unique<AccountService>(*m_store)),
      m_products(std::make_unique<ProductService>(*m_store)),
      m_holdings(std::make_unique<HoldingService>(*m_store)),
      m_messages(std::make_unique<MessageService>(*m_store)),
      m_activities(std::make_unique<ActivityService>(*m_store)),
      m_points(std::make_unique<PointsService>(*m_store))
{
    initGatewayResources();
    m_accounts->registerWith(*m_registry);
    m_products->registerWith(*m_registry);
    m_holdings->registerWith(*m_registry);
    m_messages->registerWith(*m_registry);
    m_activities->registerWith(*m_registry);
    m_points->registerWith(*m_registry);
    connect(m_store.get(), &DemoStore::changed, this, [this] {
        saveState();
        emit stateChanged();
    });
    if (!loadDataset(kDefaultDataset))
        qCWarning(lcDemo).noquote() << "embedded dataset:" << m_lastError;
}

DemoGateway::~DemoGateway()
{
    stop();
}

bool DemoGateway::start(quint16 gatewayPort, quint16 mediaPort, quint16 internalMediaPort)
{
    stop();
    auto listen = [this](GatewayHttpServer *server, quint16 port, const char *what) {
        QString reason;
        if (server->serve(m_listenAddress, port, m_limits, &reason))
            return true;
        m_lastError = QStringLiteral("cannot listen for the %1 on %2 port %3: %4")
                          .arg(QLatin1String(what), m_listenAddress.toString())
                          .arg(port)
                          .arg(reason);
        return false;
    };
    m_gatewayServer =
        new GatewayHttpServer([this](const QHttpServerRequest &r,
                                     QHttpServerResponder &&s) { handleGateway(r, std::move(s)); },
                              this);
    m_mediaServer = new GatewayHttpServer(
        [this](const QHttpServerRequest &r, QHttpServerResponder &&s) {
            handleMedia(kMediaPrefix, r, std::move(s));
        },
        this);
    m_internalMediaServer = new GatewayHttpServer(
        [this](const QHttpServerRequest &r, QHttpServerResponder &&s) {
            handleMedia(kInternalMediaPrefix, r, std::move(s));
        },
        this);
    if (!listen(m_gatewayServer, gatewayPort, "gateway") ||
        !listen(m_mediaServer, mediaPort, "media server") ||
        !listen(m_internalMediaServer, internalMediaPort, "internal media endpoint")) {
        stop();
        return false;
    }
    qCInfo(lcDemo).noquote() << "gateway" << gatewayUrl().toString() << "media"
                             << mediaBaseUrl().toString() << "internal media"
                             << internalMediaBaseUrl().toString();
    return true;
}

void DemoGateway::stop()
{
    delete m_gatewayServer;
    delete m_mediaServer;
    delete m_internalMediaServer;
    m_gatewayServer = m_mediaServer = m_internalMediaServer = nullptr;
}

bool DemoGateway::isRunning() const
{
    return m_gatewayServer != nullptr;
}

QUrl DemoGateway::baseUrl(const GatewayHttpServer *server) const
{
    if (!server)
        return {};
    const QList<quint16> ports = const_cast<GatewayHttpServer *>(server)->serverPorts();
    if (ports.isEmpty())
        return {};
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    // On every address, the URL names the loopback address of the family listened on: an
    // IPv6-only listener has nothing on 127.0.0.1. QUrl puts an IPv6 host in brackets.
    QHostAddress host = m_listenAddress;
    if (host == QHostAddress::AnyIPv6)
        host = QHostAddress::LocalHostIPv6;
    else if (host == QHostAddress::Any || host == QHostAddress::AnyIPv4)
        host = QHostAddress::LocalHost;
    url.setHost(host.toString());
    url.setPort(ports.first());
    return url;
}

QUrl DemoGateway::gatewayBaseUrl() const
{
    return baseUrl(m_gatewayServer);
}

QUrl DemoGateway::gatewayUrl() const
{
    QUrl url = gatewayBaseUrl();
    if (!url.isEmpty())
        url.setPath(kGatewayPath);
    return url;
}

QUrl DemoGateway::mediaBaseUrl() const
{
    return baseUrl(m_mediaServer);
}

QUrl DemoGateway::internalMediaBaseUrl() const
{
    return baseUrl(m_internalMediaServer);
}

bool DemoGateway::loadDataset(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_lastError =
            QStringLiteral("cannot read the dataset %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        m_lastError = QStringLiteral("the dataset %1 is malformed JSON: %2 at byte %3")
                          .arg(path, parseError.errorString())
                          .arg(parseError.offset);
        return false;
    }
    if (!document.isObject()) {
        m_lastError = QStringLiteral("the dataset %1 is not a JSON object").arg(path);
        return false;
    }
    QString error;
    const auto tables = DatasetBuilder(today()).build(document.object(), &error);
    if (!tables) {
        m_lastError = QStringLiteral("the dataset %1: %2").arg(path, error);
        return false;
    }
    // The customers' changes stay on top of the new dataset; the state file already holds them.
    const QJsonObject kept = m_stateFile.isEmpty() ? QJsonObject() : m_store->state();
    m_store->reset(*tables, today());
    if (!kept.isEmpty())
        m_store->applyState(kept);
    m_media->rebuild(*m_store);
    return true;
}

bool DemoGateway::setStateFile(const QString &path)
{
    m_stateFile.clear();
    if (path.isEmpty())
        return true;
    if (const auto problem = loadState(path)) {
        // The file stays as it was: it may hold changes worth more than this session's.
        m_lastError = *problem;
        return false;
    }
    m_stateFile = path;
    return true;
}

std::optional<QString> DemoGateway::loadState(const QString &path)
{
    const QFileInfo info(path);
    // A dangling link counts as there: writing through it would create a file elsewhere.
    if (!info.exists() && !info.isSymLink()) {
        // Written at once, so that a place where it cannot be written is known now.
        if (const auto problem = writeState(path))
            return problem;
        return std::nullopt;
    }
    if (!info.isFile())
        return QStringLiteral("the state file %1 is not a regular file").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read the state file %1: %2").arg(path, file.errorString());
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return QStringLiteral("the state file %1 is malformed JSON: %2 at byte %3")
            .arg(path, parseError.errorString())
            .arg(parseError.offset);
    QString error = QStringLiteral("it is not a JSON object");
    if (!document.isObject() || !m_store->applyState(document.object(), &error))
        return QStringLiteral("the state file %1 is not in the demo gateway's format: %2")
            .arg(path, error);
    return std::nullopt;
}

std::optional<QString> DemoGateway::writeState(const QString &path) const
{
    // Written whole and renamed into place, so that a crash never leaves half a state; owner
    // only, for it holds every customer's password.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.write(QJsonDocument(m_store->state()).toJson(QJsonDocument::Indented));
        if (file.commit())
            return std::nullopt;
    }
    QString reason = file.errorString();
    const QFileInfo info(path);
    if (info.isDir())
        reason = QStringLiteral("it is a directory");
    else if (!info.absoluteDir().exists())
        reason = QStringLiteral("the folder %1 does not exist").arg(info.absolutePath());
    else if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
        reason =
            QStringLiteral("the folder %1 does not let it be written").arg(info.absolutePath());
    return QStringLiteral("cannot write the state file %1: %2").arg(path, reason);
}

void DemoGateway::saveState()
{
    if (m_stateFile.isEmpty())
        return;
    if (const auto problem = writeState(m_stateFile)) {
        m_lastError = *problem;
        qCWarning(lcDemo).noquote() << *problem;
    }
}

bool DemoGateway::setRecordFile(const QString &path)
{
    m_recordFile.close();
    if (path.isEmpty())
        return true;
    m_recordFile.setFileName(path);
    if (!m_recordFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        m_lastError = QStringLiteral("cannot write the record file %1: %2")
                          .arg(path, m_recordFile.errorString());
        return false;
    }
    return true;
}

void DemoGateway::record(const QJsonObject &line)
{
    if (!m_recordFile.isOpen())
        return;
    m_recordFile.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    m_recordFile.flush();
}

void DemoGateway::setFault(const QString &code, const GatewayFault &fault)
{
    m_faults.insert(code, fault);
}

void DemoGateway::clearFault(const QString &code)
{
    m_faults.remove(code);
}

void DemoGateway::clearFaults()
{
    m_faults.clear();
}

const GatewayFault *DemoGateway::faultFor(const QString &code) const
{
    auto it = m_faults.constFind(code);
    if (it == m_faults.cend() && code != QLatin1String("media"))
        it = m_faults.constFind(QStringLiteral("*"));
    return it == m_faults.cend() ? nullptr : &*it;
}

QDate DemoGateway::today() const
{
    return QDate::currentDate();
}

QString DemoGateway::demoSmsCode() const
{
    return DemoRules::kSmsCode;
}

QStringList DemoGateway::functionCodes() const
{
    return m_registry->codes();
}

QJsonObject DemoGateway::customer(const QString &khbh) const
{
    return m_store->find(QStringLiteral("customers"), QStringLiteral("khbh"), khbh);
}

QJsonObject DemoGateway::customerByDocument(const QString &zjlx, const QString &zjhm) const
{
    const qsizetype index = m_accounts->findCustomer(zjlx, zjhm);
    return index < 0 ? QJsonObject() : m_store->table(QStringLiteral("customers")).at(index);
}

QList<QJsonObject> DemoGateway::records(const QString &table) const
{
    return m_store->table(table);
}

QStringList DemoGateway::mediaPaths() const
{
    return m_media->paths();
}

void DemoGateway::handleGateway(const QHttpServerRequest &request, QHttpServerResponder &&responder)
{
    const QString path = request.url().path();
    if (path == kFaultsPath) {
        handleFaultControl(request, std::move(responder));
        return;
    }
    if (path != kGatewayPath) {
        sendText(responder, Status::NotFound, QStringLiteral("Not Found"));
        return;
    }
    if (request.method() != QHttpServerRequest::Method::Post) {
        refuseMethod(responder, "POST");
        return;
    }
    const QByteArray body = request.body();
    if (body.size() > kMaxBodyBytes) {
        sendText(responder, Status::PayloadTooLarge, QStringLiteral("request body over 1 MiB"));
        return;
    }
    QString bodyError;
    const std::optional<GatewayCall> parsed = GatewayCall::fromBody(body, &bodyError);
    qCDebug(lcDemo).noquote() << (parsed ? parsed->code : QStringLiteral("-")) << "request"
                              << body.size() << "bytes";
    if (!parsed) {
        qCDebug(lcDemo).noquote() << "refused a body:" << bodyError;
        sendText(responder, Status::BadRequest, bodyError);
        return;
    }
    const GatewayCall &call = *parsed;

    qCDebug(lcDemoBody).noquote()
        << call.code << QJsonDocument(DemoLog::masked(call.params)).toJson(QJsonDocument::Compact)
        << QJsonDocument(DemoLog::masked(call.paramsExt)).toJson(QJsonDocument::Compact);
    emit requestReceived(call.code, call.params, call.paramsExt);

    const GatewayFault *found = faultFor(call.code);
    const GatewayFault fault = found ? *found : GatewayFault();
    QJsonObject line{{"time", QDateTime::currentDateTime().toString(Qt::ISODateWithMs)},
                     {"code", call.code},
                     {"params", call.params},
                     {"params_ext", call.paramsExt}};
    if (found)
        line.insert(QStringLiteral("fault"), fault.toJson());

    // A fault other than a plain delay stands for a server that failed before doing anything:
    // the function code does not run and nothing changes.
    answerLater(
        this, fault.delayMs, std::move(responder),
        [this, call, fault, line](QHttpServerResponder &r) mutable {
            if (answerTransportFault(r, fault)) {
                record(line);
                return;
            }
            switch (fault.kind) {
            case GatewayFault::Kind::NotJson:
                r.write(QByteArray("<html><body>Service temporarily unavailable</body></html>"),
                        "text/html;charset=UTF-8", Status::Ok);
                break;
            case GatewayFault::Kind::EmptyArray:
                r.write(QByteArray("[]"), kJsonType, Status::Ok);
                break;
            case GatewayFault::Kind::Refuse:
                sendJson(
                    r, QJsonDocument(QJsonArray{GatewayReply::refuse(fault.prompt).toEnvelope()}));
                line.insert(QStringLiteral("flag"), 0);
                break;
            default: { // no fault: the function code answers
                const GatewayReply reply = m_registry->call(call);
                const QByteArray answer =
                    QJsonDocument(QJsonArray{reply.toEnvelope()}).toJson(QJsonDocument::Compact);
                r.write(answer, kJsonType, Status::Ok);
                line.insert(QStringLiteral("flag"), reply.flag);
                qCDebug(lcDemo).noquote()
                    << call.code << "flag" << reply.flag << "records" << reply.records.size()
                    << "answer" << answer.size() << "bytes";
                break;
            }
            }
            record(line);
        });
}

void DemoGateway::handleFaultControl(const QHttpServerRequest &request,
                                     QHttpServerResponder &&responder)
{
    // Only someone on this machine may break the gateway on purpose.
    if (!request.remoteAddress().isLoopback()) {
        sendText(responder, Status::Forbidden, QStringLiteral("fault control is loopback only"));
        return;
    }
    // A web page open in a browser on this machine is on loopback too: it sends an Origin with
    // any cross-site request and cannot add our header without a preflight we never allow.
    const auto headers = request.headers();
    auto header = [&](const QByteArray &name) {
        for (const auto &[key, value] : headers)
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return QByteArray();
    };
    if (!header("Origin").isEmpty() || header(kControlHeader) != "1") {
        sendText(responder, Status::Forbidden,
                 QStringLiteral("fault control needs the header %1: 1 and no Origin")
                     .arg(QLatin1String(kControlHeader)));
        return;
    }
    auto listing = [this] {
        QJsonObject faults;
        for (auto it = m_faults.cbegin(); it != m_faults.cend(); ++it)
            faults.insert(it.key(), it->toJson());
        return QJsonDocument(QJsonObject{{"faults", faults}});
    };
    switch (request.method()) {
    case QHttpServerRequest::Method::Get:
        sendJson(responder, listing());
        return;
    case QHttpServerRequest::Method::Delete:
        clearFaults();
        sendJson(responder, listing());
        return;
    case QHttpServerRequest::Method::Post:
        break;
    default:
        refuseMethod(responder, "GET, POST, DELETE");
        return;
    }
    const QJsonObject order = QJsonDocument::fromJson(request.body()).object();
    const QString code = order.value(QStringLiteral("code")).toString();
    if (order.value(QStringLiteral("clear")).toBool()) {
        if (code.isEmpty())
            clearFaults();
        else
            clearFault(code);
        sendJson(responder, listing());
        return;
    }
    const auto fault = GatewayFault::fromJson(order);
    if (code.isEmpty() || !fault) {
        sendText(responder, Status::BadRequest,
                 QStringLiteral("expected {\"code\": \"164021\", \"kind\": \"delay|status|not_json|"
                                "empty_array|refuse|drop\", \"delay_ms\": 0, \"status\": 500, "
                                "\"prompt\": \"...\"} or {\"code\": \"...\", \"clear\": true}"));
        return;
    }
    setFault(code, *fault);
    qCInfo(lcDemo).noquote() << "fault for" << code
                             << QJsonDocument(fault->toJson()).toJson(QJsonDocument::Compact);
    sendJson(responder, listing());
}

void DemoGateway::handleMedia(const QString &prefix, const QHttpServerRequest &request,
                              QHttpServerResponder &&responder)
{
    const QString path = request.url().path(QUrl::FullyDecoded);
    if (!path.startsWith(prefix)) {
        sendText(responder, Status::NotFound, QStringLiteral("Not Found"));
        return;
    }
    const auto method = request.method();
    if (method != QHttpServerRequest::Method::Get && method != QHttpServerRequest::Method::Head) {
        refuseMethod(responder, "GET, HEAD");
        return;
    }
    const QString relaPath = path.mid(prefix.size());
    const GatewayFault *found = faultFor(QStringLiteral("media"));
    const GatewayFault fault = found ? *found : GatewayFault();
    const bool head = method == QHttpServerRequest::Method::Head;
    answerLater(this, fault.delayMs, std::move(responder),
                [this, relaPath, fault, head](QHttpServerResponder &r) {
                    if (answerTransportFault(r, fault))
                        return;
                    const auto file = m_media->file(relaPath);
                    if (!file) {
                        sendText(r, Status::NotFound, QStringLiteral("Not Found"));
                        return;
                    }
                    // The other faults spoil the content while keeping the status: a broken file.
                    const QByteArray data =
                        fault.kind == GatewayFault::Kind::None ? file->data : QByteArray("corrupt");
                    if (!head) {
                        r.write(data, file->mimeType, Status::Ok);
                        return;
                    }
                    // HEAD: the headers of the file without its body.
                    r.writeStatusLine(Status::Ok);
                    r.writeHeader("Content-Type", file->mimeType);
                    r.writeHeader("Content-Length", QByteArray::number(data.size()));
                    r.writeBody(QByteArray());
                });
}
