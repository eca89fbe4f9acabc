#include "ImageLoader.h"

#include <QBuffer>
#include <QImageReader>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QPointer>
#include <QStandardPaths>

namespace {
const char *kUrlProperty = "chenglanImageUrl";
constexpr qsizetype kMemoryBudgetBytes = 48 * 1024 * 1024;
// A picture of kMaxPictureSide squared in 32 bits, with room for a decoder's own buffers.
constexpr int kDecodeLimitMegabytes = 64;
} // namespace

ImageLoader *ImageLoader::shared()
{
    static ImageLoader *loader = new ImageLoader;
    return loader;
}

ImageLoader::ImageLoader()
    : m_network(new QNetworkAccessManager(this)), m_memory(kMemoryBudgetBytes)
{
    setDiskCacheDirectory(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                          QStringLiteral("/images"));
}

void ImageLoader::setDiskCacheDirectory(const QString &path)
{
    auto *cache = new QNetworkDiskCache(m_network);
    cache->setCacheDirectory(path);
    cache->setMaximumCacheSize(64 * 1024 * 1024);
    m_network->setCache(cache);
}

void ImageLoader::clearMemoryCache()
{
    m_memory.clear();
}

QImage ImageLoader::cachedImage(const QUrl &url) const
{
    const QImage *image = m_memory.object(url.toString());
    return image ? *image : QImage();
}

void ImageLoader::loadInto(QLabel *view, const QUrl &url, const QPixmap &placeholder)
{
    view->setProperty(kUrlProperty, url);
    view->setPixmap(placeholder); // a reused view drops its old picture at once
    QPointer<QLabel> guard(view);
    load(url, view, [guard, url](const QImage &image) {
        if (!guard || guard->property(kUrlProperty).toUrl() != url || image.isNull())
            return;
        guard->setPixmap(QPixmap::fromImage(image).scaled(
            guard->size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
    });
}

void ImageLoader::load(const QUrl &url, QObject *receiver, std::function<void(const QImage &)> done)
{
    const QString key = url.toString();
    if (const QImage *image = m_memory.object(key)) {
        ++m_memoryHits;
        done(*image);
        return;
    }
    const bool alreadyLoading = m_waiting.contains(key);
    m_waiting[key].append({receiver, std::move(done)});
    if (!alreadyLoading)
        fetch(url);
}

QImage ImageLoader::decode(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kDecodeLimitMegabytes);
    const QSize size = reader.size();
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        reader.setScaledSize(size.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio)
                                 .expandedTo(QSize(1, 1)));
    return reader.read();
}

void ImageLoader::fetch(const QUrl &url)
{
    const bool network =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (!url.isValid() || !network || url.host().isEmpty()) {
        finish(url, QImage());
        return;
    }
    ++m_downloads;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    request.setTransferTimeout(60000);
    QNetworkReply *reply = m_network->get(request);
    // A body larger than any picture is not read into memory: the buffer stops one byte
    // past the bound, and the download is given up there.
    reply->setReadBufferSize(kMaxPictureBytes + 1);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > kMaxPictureBytes || total > kMaxPictureBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, url]() {
        reply->deleteLater();
        QImage image;
        if (reply->error() == QNetworkReply::NoError && reply->bytesAvailable() <= kMaxPictureBytes)
            image = decode(reply->readAll());
        finish(url, image);
    });
}

void ImageLoader::finish(const QUrl &url, const QImage &image)
{
    const QString key = url.toString();
    if (!image.isNull())
        m_memory.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes()));
    const QList<Waiter> waiters = m_waiting.take(key);
    for (const Waiter &w : waiters) {
        if (w.receiver)
            w.done(image);
    }
}
