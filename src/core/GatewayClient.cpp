#include "GatewayClient.h"

#include "AppConfig.h"
#include "Logging.h"
#include "NetworkActivityIndicator.h"
#include "Request.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>

#include <memory>

namespace {

int g_timeoutMs = GatewayClient::kDefaultTimeoutMs;

const QLatin1StringView kBadAnswer("Bad answer: ");

// Password parameters never reach the log, encrypted or not (a change of e-mail address
// sends the password as typed).
QByteArray loggableBody(const RequestEnvelope &envelope)
{
    static const QStringList secretKeys = {QStringLiteral("khmm"), QStringLiteral("new_khmm"),
                                           QStringLiteral("newpassword"),
                                           QStringLiteral("password")};
    QJsonObject params = envelope.params();
    for (const QString &key : secretKeys) {
        if (params.contains(key))
            params.insert(key, QStringLiteral("***"));
    }
    return RequestEnvelope(envelope.code(), params, envelope.paramsExt()).body();
}

// Answers carry the customer record, whose khmm is the server's copy of the password.
QByteArray loggableAnswer(const QByteArray &body)
{
    static const QRegularExpression secret(
        QStringLiteral("\"(khmm|new_khmm|newpassword|password)\"\\s*:\\s*\"[^\"]*\""));
    QString text = QString::fromUtf8(body);
    text.replace(secret, QStringLiteral("\"\\1\":\"***\""));
    return text.toUtf8();
}

bool isSuccessStatus(int status)
{
    return status >= 200 && status <= 299;
}

} // namespace

QNetworkAccessManager *GatewayClient::network()
{
    // One manager for the process, owned by the application so it goes before Qt does.
    static QPointer<QNetworkAccessManager> manager;
    if (!manager)
        manager = new QNetworkAccessManager(QCoreApplication::instance());
    return manager;
}

void GatewayClient::setTimeout(int milliseconds)
{
    g_timeoutMs = milliseconds;
}

int GatewayClient::timeout()
{
    return g_timeoutMs;
}

bool GatewayClient::isBadAnswer(const QString &error)
{
    return error.startsWith(kBadAnswer);
}

void GatewayClient::post(const RequestEnvelope &envelope, QObject *receiver, Success onSuccess,
                         Failure onFailure)
{
    QNetworkRequest request(AppConfig::gatewayUrl());
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/json;charset=UTF-8"));
    request.setTransferTimeout(g_timeoutMs);
    // Every request stands alone: no cookies sent or kept.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);

    qCDebug(lcGateway).noquote() << "Request:" << loggableBody(envelope);
    NetworkActivityIndicator::instance()->setVisible(true);
    QNetworkReply *reply = network()->post(request, envelope.body());
    // Qt stops reading the socket once this much waits unread, so even a server that
    // ignores its own Content-Length cannot make the client hold more than the limit.
    reply->setReadBufferSize(kMaxAnswerBytes + 1);

    auto tooLarge = std::make_shared<bool>(false);
    const auto refuseOver = [reply, tooLarge](qint64 size) {
        if (size <= kMaxAnswerBytes || *tooLarge)
            return;
        *tooLarge = true;
        reply->abort(); // finishes the reply at once
    };
    const QPointer<QObject> guard(receiver ? receiver : QCoreApplication::instance());
    const std::optional<int> rowCount = envelope.paramsExt().rowCount;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, refuseOver]() {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            refuseOver(length.toLongLong());
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply,
                     [reply, refuseOver]() { refuseOver(reply->bytesAvailable()); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [=]() {
        reply->deleteLater();
        NetworkActivityIndicator::instance()->setVisible(false);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // An aborted reply is closed; reading it would only warn.
        const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
        if (!guard) {
            qCDebug(lcGateway).noquote()
                << "Answer for a closed screen, dropped:" << loggableAnswer(body);
            return;
        }
        const auto fail = [&](const QString &error) {
            qCDebug(lcGateway).noquote() << "Failure:" << error;
            if (onFailure)
                onFailure(error);
        };
        if (*tooLarge) {
            fail(kBadAnswer + QStringLiteral("larger than %1 bytes").arg(kMaxAnswerBytes));
            return;
        }
        if (reply->error() != QNetworkReply::NoError || !isSuccessStatus(status)) {
            fail(status ? QStringLiteral("HTTP %1: %2").arg(status).arg(reply->errorString())
                        : reply->errorString());
            return;
        }
        const std::optional<ResponseEnvelope> answer = ResponseEnvelope::decode(body);
        if (!answer) {
            fail(kBadAnswer +
                 QStringLiteral("not a JSON array of envelopes (%1 bytes)").arg(body.size()));
            return;
        }
        qCDebug(lcGateway).noquote() << "Result:" << loggableAnswer(body);
        // A list keeps no more than it asked for, whatever the server sends.
        if (onSuccess)
            onSuccess(rowCount ? answer->withRecordsCappedAt(*rowCount) : *answer);
    });
}
