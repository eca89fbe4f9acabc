#include "Telephone.h"

#include "AlertController.h"
#include "AppConfig.h"

#include <QDesktopServices>
#include <QProcess>

namespace Telephone {
namespace {

QStringList &dialed()
{
    static QStringList urls;
    return urls;
}

std::function<bool(const QUrl &)> &handler()
{
    static std::function<bool(const QUrl &)> h;
    return h;
}

// Only hand the URL to the desktop when some program is registered for tel: links;
// otherwise the desktop would "succeed" by opening a browser or nothing at all.
bool platformOpen(const QUrl &url)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                            QStringLiteral("x-scheme-handler/tel")});
    if (!query.waitForFinished(2000) || query.exitCode() != 0
        || query.readAllStandardOutput().trimmed().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace

bool openURL(const QUrl &url)
{
    dialed().append(url.toString());
    return handler() ? handler()(url) : platformOpen(url);
}

QStringList dialedUrls()
{
    return dialed();
}

void callHotline(QWidget *over)
{
    if (openURL(QUrl(QStringLiteral("tel://") + AppConfig::hotline())))
        return;
    auto *alert = new AlertController(over, QStringLiteral("温馨提示"), QStringLiteral("该设备不支持拨号！"));
    alert->addAction(QStringLiteral("返回"), AlertController::ActionStyle::Cancel);
    alert->show();
}

void setHandler(std::function<bool(const QUrl &)> h)
{
    handler() = std::move(h);
}

} // namespace Telephone
