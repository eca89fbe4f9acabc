#include "UiImage.h"

#include <QFile>
#include <QHash>

namespace UiImage {

QPixmap pixmap(const QString &name)
{
    static QHash<QString, QPixmap> cache;
    if (const auto it = cache.constFind(name); it != cache.constEnd())
        return *it;
    QPixmap pm;
    for (const QString &candidate : {name, name + QStringLiteral(".png"), name + QStringLiteral("@2x.png")}) {
        const QString path = QStringLiteral(":/images/") + candidate;
        if (QFile::exists(path) && pm.load(path))
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
