#include "UiImage.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>

namespace UiImage {
namespace {

// The rendering that suits the screens' pixel density: 1×, @2x or @3x.
int wantedScale()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return ratio > 2.0 ? 3 : ratio > 1.0 ? 2 : 1;
}

// A picture at the sharpest rendering shipped up to the wanted one, sized in points.
QPixmap load(const QString &file, int scale)
{
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    for (int s = scale; s > 1; --s) {
        const QString sharper = file.left(dot) + QStringLiteral("@%1x").arg(s) + file.mid(dot);
        QPixmap pm;
        if (QFile::exists(sharper) && pm.load(sharper)) {
            pm.setDevicePixelRatio(s);
            return pm;
        }
    }
    QPixmap pm;
    if (QFile::exists(file))
        pm.load(file);
    return pm;
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
    cache.insert(name, pm);
    return pm;
}

QIcon named(const QString &name)
{
    return QIcon(pixmap(name));
}

} // namespace UiImage
