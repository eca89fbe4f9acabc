#include "Telephone.h"

#include "AlertController.h"
#include "AppConfig.h"
#include "Toast.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace Telephone {
namespace {

QStringList &dialed()
{
    static QStringList urls;
    return urls;
}

std::function<bool(const QString &)> &handler()
{
    static std::function<bool(const QString &)> h;
    return h;
}

// Only hand the URL to the desktop when some program is registered for tel: links;
// otherwise the desktop would "succeed" by opening a browser or nothing at all.
bool platformOpen(const QString &url)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/tel")});
    if (!query.waitForFinished(2000) || query.exitCode() != 0 ||
        query.readAllStandardOutput().trimmed().isEmpty())
        return false;
    QString number = url;
    number.remove(QRegularExpression(QStringLiteral("^tel:(//)?")));
    return QDesktopServices::openUrl(QUrl(QStringLiteral("tel:") + number));
}

} // namespace

bool openURL(const QString &url)
{
    dialed().append(url);
    return handler() ? handler()(url) : platformOpen(url);
}

QStringList dialedUrls()
{
    return dialed();
}

void callHotline(QWidget *over)
{
    if (openURL(QStringLiteral("tel://") + AppConfig::hotline()))
        return;
    auto *alert =
        new AlertController(over, QStringLiteral("温馨提示"), QStringLiteral("该设备不支持拨号！"));
    // Where nothing can dial, the number can still be taken elsewhere.
    QPointer<QWidget> guard(over);
    alert->addAction(QStringLiteral("复制号码"), AlertController::ActionStyle::Default, [guard]() {
        QGuiApplication::clipboard()->setText(AppConfig::hotlineDisplay());
        if (guard)
            Toast::showText(guard, QStringLiteral("号码已复制"), 1.0);
    });
    alert->addAction(QStringLiteral("返回"), AlertController::ActionStyle::Cancel);
    alert->open();
}

void askToCallHotline(QWidget *over, const QString &title)
{
    auto *alert = new AlertController(over, title, QString());
    QPointer<QWidget> guard(over);
    alert->addAction(QStringLiteral("呼叫"), AlertController::ActionStyle::Default, [guard]() {
        if (guard)
            callHotline(guard);
    });
    alert->addAction(QStringLiteral("取消"), AlertController::ActionStyle::Cancel);
    alert->open();
}

void setHandler(std::function<bool(const QString &)> h)
{
    handler() = std::move(h);
}

} // namespace Telephone
