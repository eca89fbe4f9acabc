#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QUrl>
#include <functional>

class QLabel;
class QNetworkAccessManager;

// Loads remote images with a memory cache (decoded images) over a disk cache (the HTTP
// bodies, in the application's cache folder). Concurrent requests for one URL share
// one download. A picture shown in a view is kept no larger than it takes to cover the
// largest view it has been asked for: a list of cards then holds card-sized pictures, not
// the server's originals. Addresses come from the server: only http(s) is fetched, never
// a file of the device, and a picture's download and decoded size are bounded.
class ImageLoader : public QObject
{
    Q_OBJECT

public:
    static ImageLoader *shared();

    // What one picture may cost: its download, and the longer side it is kept at.
    static constexpr qint64 kMaxPictureBytes = 8 * 1024 * 1024;
    static constexpr int kMaxPictureSide = 2048;

    // Shows the placeholder (or nothing), then the image once loaded, filling the view (its
    // size when the image arrives). A view that has since been given another URL (a reused
    // cell) is left alone when the old image arrives.
    void loadInto(QLabel *view, const QUrl &url, const QPixmap &placeholder = QPixmap());

    // The image, or a null image when it cannot be loaded (or is not http(s)); done runs on
    // the main thread, and not at all if receiver is gone by then. At its own size, or the
    // smallest that still covers `cover` (in pixels; a width and a height of 1 for a
    // picture shown at that width).
    void load(const QUrl &url, QObject *receiver, std::function<void(const QImage &)> done,
              const QSize &cover = QSize());

    // The picture in these bytes, shrunk to kMaxPictureSide and, given a size to cover, to
    // the smallest size that still covers it; null when it is not one or would take too
    // much memory to decode.
    static QImage decode(const QByteArray &bytes, const QSize &cover = QSize(),
                         bool *shrunk = nullptr);

    // Memory-cache look-up only, as load() would answer it.
    QImage cachedImage(const QUrl &url, const QSize &cover = QSize()) const;

    int memoryHits() const { return m_memoryHits; }
    int downloads() const { return m_downloads; }
    void clearMemoryCache();
    void setDiskCacheDirectory(const QString &path);

private:
    ImageLoader();
    struct Waiter
    {
        QPointer<QObject> receiver;
        std::function<void(const QImage &)> done;
        // What the image must cover: the view, in pixels, as it is when the image arrives,
        // or else `cover`; neither, and it comes at its own size.
        QPointer<QWidget> view;
        QSize cover;
    };
    void request(const QUrl &url, Waiter waiter);
    void fetch(const QUrl &url);
    void finish(const QUrl &url, const QByteArray &bytes);

    struct Picture
    {
        QImage image;
        bool shrunk = false; // smaller than the server's original
    };
    static QSize coverOf(const QWidget *view);
    static bool covers(const Picture &picture, const QSize &cover);

    QNetworkAccessManager *m_network;
    QCache<QString, Picture> m_memory;
    QHash<QString, QList<Waiter>> m_waiting;
    int m_memoryHits = 0;
    int m_downloads = 0;
};
