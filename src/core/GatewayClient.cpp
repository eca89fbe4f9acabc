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

namespace {

int g_timeoutMs = GatewayClient::kDefaultTimeoutMs;

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

    const QPointer<QObject> guard(receiver ? receiver : QCoreApplication::instance());
    QObject::connect(reply, &QNetworkReply::finished, reply, [=]() {
        reply->deleteLater();
        NetworkActivityIndicator::instance()->setVisible(false);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // A reply aborted by the time-out is closed; reading it would only warn.
        const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
        if (!guard) {
            qCDebug(lcGateway).noquote()
                << "Answer for a closed screen, dropped:" << loggableAnswer(body);
            return;
        }
        if (reply->error() != QNetworkReply::NoError || !isSuccessStatus(status)) {
            const QString error =
                status ? QStringLiteral("HTTP %1: %2").arg(status).arg(reply->errorString())
                       : reply->errorString();
            qCDebug(lcGateway).noquote() << "Failure:" << error;
            if (onFailure)
                onFailure(error);
            return;
        }
        qCDebug(lcGateway).noquote() << "Result:" << loggableAnswer(body);
        if (onSuccess)
            onSuccess(ResponseEnvelope::fromBody(body));
    });
}
