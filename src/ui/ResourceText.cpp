#include "ResourceText.h"

#include <QFile>

namespace ResourceText {

QString htmlPath(const QString &name)
{
    const QString file =
        name.endsWith(QLatin1String(".html")) ? name : name + QStringLiteral(".html");
    return QStringLiteral(":/html/") + file;
}

QString html(const QString &name)
{
    QFile file(htmlPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace ResourceText
