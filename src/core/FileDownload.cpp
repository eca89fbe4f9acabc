#include "FileDownload.h"

#include "AppConfig.h"
#include "Logging.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>

namespace FileDownload {
namespace {

qint64 g_maxBytes = kDefaultMaxBytes;

QNetworkAccessManager *network()
{
    static QPointer<QNetworkAccessManager> manager;
    if (!manager)
        manager = new QNetworkAccessManager(QCoreApplication::instance());
    return manager;
}

QString writeFile(const QString &path, const QByteArray &body)
{
    if (!AppConfig::makeOwnerOnlyPath(QFileInfo(path).absolutePath()))
        return QStringLiteral("cannot create the folder of %1").arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(body);
    return file.commit() ? QString() : file.errorString();
}

bool isTooLarge(QNetworkReply *reply)
{
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    return reply->bytesAvailable() > g_maxBytes ||
           (announced.isValid() && announced.toLongLong() > g_maxBytes);
}

} // namespace

void setMaxBytes(qint64 bytes)
{
    g_maxBytes = bytes;
}

void get(const QUrl &url, const QString &path, QObject *receiver, Progress progress, Done done)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(60000);
    QNetworkReply *reply = network()->get(request);
    reply->setReadBufferSize(g_maxBytes + 1);
    const QPointer<QObject> guard(receiver);
    auto tooLarge = std::make_shared<bool>(false);
    const auto abortWhenTooLarge = [reply, tooLarge]() {
        if (!*tooLarge && isTooLarge(reply)) {
            *tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, abortWhenTooLarge);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, abortWhenTooLarge);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [guard, progress](qint64 received, qint64 total) {
                         if (guard && progress)
                             progress(received, total);
                     });
    QObject::connect(
        reply, &QNetworkReply::finished, reply, [reply, guard, path, done, tooLarge]() {
            reply->deleteLater();
            if (!guard)
                return;
            if (*tooLarge) {
                qCWarning(lcGateway) << "Download refused: larger than" << g_maxBytes << "bytes";
                done(false, QStringLiteral("document larger than %1 bytes").arg(g_maxBytes));
                return;
            }
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
                qCWarning(lcGateway) << "Download failed:" << reply->url() << reply->errorString();
                done(false, reply->errorString());
                return;
            }
            const QString error = writeFile(path, reply->readAll());
            done(error.isEmpty(), error);
        });
}

} // namespace FileDownload
