#include "UiImage.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QRegularExpression>

namespace UiImage {
namespace {

// The rendering that suits the screens' pixel density: 1×, @2x or @3x.
int wantedScale()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return ratio > 2.0 ? 3 : ratio > 1.0 ? 2 : 1;
}

// Pictures larger than this (a full-screen splash) are shown once: not kept after.
constexpr qint64 kKeptBytes = 256 * 1024;

// Read as an image, not with QPixmap::load(), which would keep a copy in QPixmapCache.
QPixmap read(const QString &file, int scale)
{
    QImage image;
    if (!QFile::exists(file) || !image.load(file))
        return QPixmap();
    image.setDevicePixelRatio(scale);
    return QPixmap::fromImage(std::move(image));
}

// A picture at the sharpest rendering shipped up to the wanted one, sized in points.
QPixmap load(const QString &file, int scale)
{
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    for (int s = scale; s > 1; --s) {
        const QPixmap sharper =
            read(file.left(dot) + QStringLiteral("@%1x").arg(s) + file.mid(dot), s);
        if (!sharper.isNull())
            return sharper;
    }
    return read(file, 1);
}

} // namespace

QPixmap pixmap(const QString &name)
{
    static QHash<QString, QPixmap> cache;
    if (const auto it = cache.constFind(name); it != cache.constEnd())
        return *it;
    QPixmap pm;
    // Pictures are shipped as PNG whatever the name says ("zwtp.gif" is "zwtp.png").
    QString base = name;
    base.remove(QRegularExpression(QStringLiteral("\\.(gif|jpg|jpeg)$")));
    for (const QString &candidate : {name, base + QStringLiteral(".png")}) {
        pm = load(QStringLiteral(":/images/") + candidate, wantedScale());
        if (!pm.isNull())
            break;
    }
    if (qint64(pm.width()) * pm.height() * pm.depth() / 8 <= kKeptBytes)
        cache.insert(name, pm);
    return pm;
}

QIcon named(const QString &name)
{
    return QIcon(pixmap(name));
}

} // namespace UiImage
