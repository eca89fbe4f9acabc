#include "MediaUrl.h"

#include "AppConfig.h"

namespace MediaUrl {
namespace {
const QString kUploadFolder = QStringLiteral("/upload/user/1");
}

QString forRelaPath(const QString &relaPath)
{
    return AppConfig::mediaBase() + kUploadFolder + u'/' + relaPath;
}

QString absoluteHtml(const QString &html)
{
    QString out = html;
    return out.replace(kUploadFolder, AppConfig::mediaBase() + kUploadFolder);
}

QString internalHtml(const QString &html)
{
    QString out = html;
    return out.replace(kUploadFolder,
                       AppConfig::internalMediaBase() + QStringLiteral("/ump") + kUploadFolder);
}

} // namespace MediaUrl
