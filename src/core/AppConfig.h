#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <optional>

class QCommandLineParser;

// Deployment values (fixed at build time) and their run-time overrides for development
// and tests, which run servers on ephemeral loopback ports.
//
// Environment: CHENGLAN_GATEWAY_URL, CHENGLAN_MEDIA_URL, CHENGLAN_INTERNAL_MEDIA_URL (base
// URLs with scheme, host and port), CHENGLAN_DATA_DIR, CHENGLAN_NOW (ISO 8601 date-time).
// Command line: the same as --gateway, --media, --internal-media, --data-dir, --now.
class AppConfig
{
public:
    // The one URL every operation is posted to.
    static QUrl gatewayUrl();
    // "http://host[:port]" of the media server and of the internal media endpoint.
    static QString mediaBase();
    static QString internalMediaBase();
    static QString hotline();
    static QString hotlineDisplay();
    // Where the user-defaults file and downloaded documents are kept.
    static QString dataDir();
    // Creates that folder and any missing parent owner-only (0700), as it holds the
    // customer's sign-in; folders that exist are left as they are. True when it is a folder.
    static bool makeOwnerOnlyPath(const QString &dir);
    // The client's clock; fixed by --now so date-dependent screens can be tested.
    static QDateTime now();

    // True when a gateway was configured explicitly (otherwise the app embeds its demo).
    static bool hasGatewayOverride();

    static void setGatewayBaseUrl(const QUrl &base);
    static void setMediaBaseUrl(const QUrl &base);
    static void setInternalMediaBaseUrl(const QUrl &base);
    static void setDataDir(const QString &dir);
    static void setNow(const std::optional<QDateTime> &now);

    static void loadEnvironment();
    static void addCommandLineOptions(QCommandLineParser &parser);
    // Applies the parsed options; false with a message when a value is unusable.
    static bool applyCommandLine(const QCommandLineParser &parser, QString *error);
};
