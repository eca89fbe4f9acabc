#include "UiImage.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace UiImage {

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
