#include "FileDownload.h"

#include "Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>

namespace FileDownload {
namespace {

QNetworkAccessManager *network()
{
    static QPointer<QNetworkAccessManager> manager;
    if (!manager)
        manager = new QNetworkAccessManager(QCoreApplication::instance());
    return manager;
}

QString writeFile(const QString &path, const QByteArray &body)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(body);
    return file.commit() ? QString() : file.errorString();
}

} // namespace

void get(const QUrl &url, const QString &path, QObject *receiver, Progress progress, Done done)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(60000);
    QNetworkReply *reply = network()->get(request);
    const QPointer<QObject> guard(receiver);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [guard, progress](qint64 received, qint64 total) {
                         if (guard && progress)
                             progress(received, total);
                     });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, guard, path, done]() {
        reply->deleteLater();
        if (!guard)
            return;
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
