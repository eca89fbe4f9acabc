#include "ImageLoader.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QPointer>
#include <QStandardPaths>

namespace {
const char *kUrlProperty = "chenglanImageUrl";
// Pictures are kept at the size they are shown: at one pixel a point, this holds ten card
// pictures or forty thumbnails, a few screens' worth. A denser screen needs as many more
// bytes as it has more pixels.
constexpr qsizetype kMemoryBudgetBytes = 2 * 1024 * 1024;

qsizetype memoryBudget()
{
    const qreal density = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return qsizetype(kMemoryBudgetBytes * density * density);
}
// A picture of kMaxPictureSide squared in 32 bits, with room for a decoder's own buffers.
constexpr int kDecodeLimitMegabytes = 64;
} // namespace

ImageLoader *ImageLoader::shared()
{
    static ImageLoader *loader = new ImageLoader;
    return loader;
}

ImageLoader::ImageLoader()
    : m_network(new QNetworkAccessManager(this)), m_memory(memoryBudget())
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

QImage ImageLoader::cachedImage(const QUrl &url, const QSize &cover) const
{
    const Picture *picture = m_memory.object(url.toString());
    return picture && covers(*picture, cover) ? picture->image : QImage();
}

void ImageLoader::loadInto(QLabel *view, const QUrl &url, const QPixmap &placeholder)
{
    view->setProperty(kUrlProperty, url);
    view->setPixmap(placeholder); // a reused view drops its old picture at once
    QPointer<QLabel> guard(view);
    const auto show = [guard, url](const QImage &image) {
        if (!guard || guard->property(kUrlProperty).toUrl() != url || image.isNull())
            return;
        const qreal density = guard->devicePixelRatioF();
        QPixmap pixmap = QPixmap::fromImage(image).scaled(
            guard->size() * density, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(density);
        guard->setPixmap(pixmap);
    };
    request(url, {view, show, view, QSize()});
}

void ImageLoader::load(const QUrl &url, QObject *receiver, std::function<void(const QImage &)> done,
                       const QSize &cover)
{
    request(url, {receiver, std::move(done), nullptr, cover});
}

QSize ImageLoader::coverOf(const QWidget *view)
{
    return view->size() * view->devicePixelRatioF();
}

// An invalid cover asks for the picture at its own size.
bool ImageLoader::covers(const Picture &picture, const QSize &cover)
{
    if (!picture.shrunk)
        return true;
    const QSize size = picture.image.size();
    return cover.isValid() && size.width() >= cover.width() && size.height() >= cover.height();
}

void ImageLoader::request(const QUrl &url, Waiter waiter)
{
    const QString key = url.toString();
    const Picture *picture = m_memory.object(key);
    if (picture && covers(*picture, waiter.view ? coverOf(waiter.view) : waiter.cover)) {
        ++m_memoryHits;
        waiter.done(picture->image);
        return;
    }
    const bool alreadyLoading = m_waiting.contains(key);
    m_waiting[key].append(std::move(waiter));
    if (!alreadyLoading)
        fetch(url);
}

QImage ImageLoader::decode(const QByteArray &bytes, const QSize &cover, bool *shrunk)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kDecodeLimitMegabytes);
    const QSize size = reader.size();
    // Its own size, within the bound on either side...
    QSize wanted = size;
    if (wanted.width() > kMaxPictureSide || wanted.height() > kMaxPictureSide)
        wanted = wanted.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio);
    const QSize own = wanted;
    // ...or smaller, when that still covers what it is shown in.
    if (cover.isValid() && !cover.isEmpty() && wanted.isValid()) {
        const QSize covering = wanted.scaled(cover, Qt::KeepAspectRatioByExpanding);
        if (covering.width() < wanted.width())
            wanted = covering;
    }
    if (shrunk)
        *shrunk = wanted != own;
    if (wanted != size)
        reader.setScaledSize(wanted.expandedTo(QSize(1, 1)));
    return reader.read();
}

void ImageLoader::fetch(const QUrl &url)
{
    const bool network =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (!url.isValid() || !network || url.host().isEmpty()) {
        finish(url, QByteArray());
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
        const bool ok =
            reply->error() == QNetworkReply::NoError && reply->bytesAvailable() <= kMaxPictureBytes;
        finish(url, ok ? reply->readAll() : QByteArray());
    });
}

void ImageLoader::finish(const QUrl &url, const QByteArray &bytes)
{
    const QString key = url.toString();
    const QList<Waiter> waiters = m_waiting.take(key);
    // One decoding serves every waiter: at the picture's own size if one asked for it,
    // else covering the largest view as the views are now (one may have been laid out
    // since it asked).
    bool ownSize = false;
    QSize cover(0, 0);
    for (const Waiter &w : waiters) {
        if (w.view)
            cover = cover.expandedTo(coverOf(w.view));
        else if (w.cover.isValid())
            cover = cover.expandedTo(w.cover);
        else if (w.receiver)
            ownSize = true;
    }
    Picture picture;
    if (!bytes.isEmpty())
        picture.image = decode(bytes, ownSize ? QSize() : cover, &picture.shrunk);
    if (!picture.image.isNull())
        m_memory.insert(key, new Picture(picture), qMax<qsizetype>(1, picture.image.sizeInBytes()));
    for (const Waiter &w : waiters) {
        if (w.receiver)
            w.done(picture.image);
    }
}
