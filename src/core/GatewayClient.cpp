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

#include <memory>

namespace {

int g_timeoutMs = GatewayClient::kDefaultTimeoutMs;

const QLatin1StringView kBadAnswer("Bad answer: ");

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

    // Logs by default say what went and came back, never the personal values in it.
    const QString code = envelope.code();
    const QByteArray sent = envelope.body();
    qCDebug(lcGateway).noquote() << "Request" << code
                                 << QStringLiteral("(%1 bytes)").arg(sent.size());
    qCDebug(lcGatewayBody).noquote() << "Request" << code << Logging::maskedBody(sent);
    NetworkActivityIndicator::instance()->setVisible(true);
    QNetworkReply *reply = network()->post(request, sent);
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
        if (!body.isEmpty())
            qCDebug(lcGatewayBody).noquote() << "Answer" << code << Logging::maskedBody(body);
        if (!guard) {
            qCDebug(lcGateway).noquote()
                << "Answer" << code
                << QStringLiteral("for a closed screen, dropped (%1 bytes)").arg(body.size());
            return;
        }
        const auto fail = [&](const QString &error) {
            qCDebug(lcGateway).noquote() << "Failure" << code << error;
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
        qCDebug(lcGateway).noquote() << "Answer" << code
                                     << QStringLiteral("HTTP %1, %2 bytes, flag %3")
                                            .arg(status)
                                            .arg(body.size())
                                            .arg(answer->flag());
        // A list keeps no more than it asked for, whatever the server sends.
        if (onSuccess)
            onSuccess(rowCount ? answer->withRecordsCappedAt(*rowCount) : *answer);
    });
}
