#include "AppConfig.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace {

struct Settings
{
    std::optional<QUrl> gatewayBase;
    std::optional<QUrl> mediaBase;
    std::optional<QUrl> internalMediaBase;
    QString dataDir;
    std::optional<QDateTime> now;
};

Settings &settings()
{
    static Settings s;
    return s;
}

QString baseText(const QUrl &url)
{
    QString text = url.toString(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    while (text.endsWith(u'/'))
        text.chop(1);
    return text;
}

std::optional<QUrl> parseBase(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return std::nullopt;
    return url;
}

std::optional<QDateTime> parseNow(const QString &text)
{
    QDateTime t = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    if (!t.isValid()) {
        const QDate d = QDate::fromString(text.trimmed(), Qt::ISODate);
        if (!d.isValid())
            return std::nullopt;
        t = d.startOfDay();
    }
    return t;
}

} // namespace

QUrl AppConfig::gatewayUrl()
{
    const QString base = settings().gatewayBase
                             ? baseText(*settings().gatewayBase)
                             : QStringLiteral("http://" CHENGLAN_GATEWAY_HOST ":8100");
    return QUrl(base + QStringLiteral("/appgate/jros/ajax2.do"));
}

QString AppConfig::mediaBase()
{
    return settings().mediaBase ? baseText(*settings().mediaBase)
                                : QStringLiteral("http://" CHENGLAN_MEDIA_HOST);
}

QString AppConfig::internalMediaBase()
{
    return settings().internalMediaBase
               ? baseText(*settings().internalMediaBase)
               : QStringLiteral("http://" CHENGLAN_INTERNAL_MEDIA_HOST ":8300");
}

QString AppConfig::hotline()
{
    return QStringLiteral(CHENGLAN_HOTLINE);
}

QString AppConfig::hotlineDisplay()
{
    return QStringLiteral(CHENGLAN_HOTLINE_DISPLAY);
}

QString AppConfig::dataDir()
{
    if (!settings().dataDir.isEmpty())
        return settings().dataDir;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool AppConfig::makeOwnerOnlyPath(const QString &dir)
{
    const auto isFolder = [](const QString &path) {
        struct stat info;
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
    };
    const QString path = QDir::cleanPath(QDir(dir).absolutePath());
    if (isFolder(path))
        return true;
    // QDir::mkpath would create them readable by everyone (the umask decides).
    QString prefix;
    for (const QString &part : path.split(u'/', Qt::SkipEmptyParts)) {
        prefix += u'/' + part;
        if (::mkdir(QFile::encodeName(prefix).constData(), 0700) != 0 && errno != EEXIST &&
            !isFolder(prefix))
            return false;
    }
    return isFolder(path);
}

QDateTime AppConfig::now()
{
    return settings().now.value_or(QDateTime::currentDateTime());
}

bool AppConfig::hasGatewayOverride()
{
    return settings().gatewayBase.has_value();
}

void AppConfig::setGatewayBaseUrl(const QUrl &base)
{
    settings().gatewayBase = base;
}

void AppConfig::setMediaBaseUrl(const QUrl &base)
{
    settings().mediaBase = base;
}

void AppConfig::setInternalMediaBaseUrl(const QUrl &base)
{
    settings().internalMediaBase = base;
}

void AppConfig::setDataDir(const QString &dir)
{
    settings().dataDir = dir;
}

void AppConfig::setNow(const std::optional<QDateTime> &now)
{
    settings().now = now;
}

void AppConfig::loadEnvironment()
{
    if (const auto url = parseBase(qEnvironmentVariable("CHENGLAN_GATEWAY_URL")))
        setGatewayBaseUrl(*url);
    if (const auto url = parseBase(qEnvironmentVariable("CHENGLAN_MEDIA_URL")))
        setMediaBaseUrl(*url);
    if (const auto url = parseBase(qEnvironmentVariable("CHENGLAN_INTERNAL_MEDIA_URL")))
        setInternalMediaBaseUrl(*url);
    if (qEnvironmentVariableIsSet("CHENGLAN_DATA_DIR"))
        setDataDir(qEnvironmentVariable("CHENGLAN_DATA_DIR"));
    if (const auto now = parseNow(qEnvironmentVariable("CHENGLAN_NOW")))
        setNow(now);
}

void AppConfig::addCommandLineOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QStringLiteral("gateway"), QStringLiteral("Gateway base URL, e.g. http://127.0.0.1:8100."),
         QStringLiteral("url")},
        {QStringLiteral("media"), QStringLiteral("Media server base URL."), QStringLiteral("url")},
        {QStringLiteral("internal-media"), QStringLiteral("Internal media endpoint base URL."),
         QStringLiteral("url")},
        {QStringLiteral("data-dir"), QStringLiteral("Folder for the client's stored data."),
         QStringLiteral("dir")},
        {QStringLiteral("now"), QStringLiteral("Fix the client's clock (ISO 8601 date-time)."),
         QStringLiteral("datetime")},
    });
}

bool AppConfig::applyCommandLine(const QCommandLineParser &parser, QString *error)
{
    const auto applyUrl = [&](const QString &option, void (*setter)(const QUrl &)) {
        if (!parser.isSet(option))
            return true;
        const auto url = parseBase(parser.value(option));
        if (!url) {
            *error = QStringLiteral("--%1: not a usable URL: %2").arg(option, parser.value(option));
            return false;
        }
        setter(*url);
        return true;
    };
    if (!applyUrl(QStringLiteral("gateway"), &AppConfig::setGatewayBaseUrl) ||
        !applyUrl(QStringLiteral("media"), &AppConfig::setMediaBaseUrl) ||
        !applyUrl(QStringLiteral("internal-media"), &AppConfig::setInternalMediaBaseUrl))
        return false;
    if (parser.isSet(QStringLiteral("data-dir")))
        setDataDir(parser.value(QStringLiteral("data-dir")));
    if (parser.isSet(QStringLiteral("now"))) {
        const auto now = parseNow(parser.value(QStringLiteral("now")));
        if (!now) {
            *error = QStringLiteral("--now: not an ISO 8601 date-time: %1")
                         .arg(parser.value(QStringLiteral("now")));
            return false;
        }
        setNow(now);
    }
    return true;
}
