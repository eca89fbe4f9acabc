#pragma once

#include "GatewayFault.h"
#include "GatewayTcpServer.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QUrl>
#include <memory>
#include <optional>

class AccountService;
class ActivityService;
class DemoStore;
class FunctionRegistry;
class GatewayHttpServer;
class HoldingService;
class MediaLibrary;
class MessageService;
class PointsService;
class ProductService;
class QHttpServerRequest;
class QHttpServerResponder;

// A stateful stand-in for the company's server gateway and media server. It serves the
// function codes at "/appgate/jros/ajax2.do" on one port, the media files at "/upload/user/1/"
// on a second and the internal media endpoint "/ump/upload/user/1/" on a third, from the
// demo dataset, keeping every change a customer makes.
class DemoGateway : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kMaxBodyBytes = 1024 * 1024;
    static const QString kGatewayPath; // "/appgate/jros/ajax2.do"
    static const QString kFaultsPath;  // "/demo/faults", loopback only
    // The header a caller of kFaultsPath sends ("X-Chenglan-Control: 1"). A browser cannot
    // add it to a cross-site form post without asking first, so a web page cannot break the
    // gateway; requests that carry an Origin are refused as well.
    static const QByteArray kControlHeader;
    static const QString kDefaultDataset;

    explicit DemoGateway(QObject *parent = nullptr);
    ~DemoGateway() override;

    // Listens on the three ports (0 = any free port) of the listen address, loopback unless set.
    bool start(quint16 gatewayPort = 0, quint16 mediaPort = 0, quint16 internalMediaPort = 0);
    void stop();
    bool isRunning() const;
    void setListenAddress(const QHostAddress &address) { m_listenAddress = address; }
    // What each listener allows its clients, from the next start().
    void setConnectionLimits(const ConnectionLimits &limits) { m_limits = limits; }
    QHostAddress listenAddress() const { return m_listenAddress; }

    // "http://HOST:PORT", no path; empty before start(). HOST is the listen address, or the
    // loopback address of its family when it listens on every address.
    QUrl gatewayBaseUrl() const;
    QUrl gatewayUrl() const; // the base with kGatewayPath
    QUrl mediaBaseUrl() const;
    QUrl internalMediaBaseUrl() const;

    // Replaces all data with a dataset file (the embedded one is loaded by the constructor).
    // A state file set before keeps its changes on top of the new dataset.
    bool loadDataset(const QString &path);
    // Keeps the customers' changes in `path`: loaded now when it exists (created when not),
    // rewritten after each change. A file that cannot be read, is not regular, is not JSON or
    // not a state is refused with the reason in lastError() and never written: the gateway
    // goes on with what it holds and saves nothing. An empty path saves nothing.
    bool setStateFile(const QString &path);
    // Appends one JSON line per request received to `path`; an empty path stops recording.
    bool setRecordFile(const QString &path);
    QString lastError() const { return m_lastError; }

    // Faults by function code; "*" applies to every code without one of its own, "media" to the
    // two media endpoints.
    void setFault(const QString &code, const GatewayFault &fault);
    void clearFault(const QString &code);
    void clearFaults();
    QHash<QString, GatewayFault> faults() const { return m_faults; }

    // What tests and tools look at.
    QDate today() const;
    QString demoSmsCode() const;
    QStringList functionCodes() const;
    QJsonObject customer(const QString &khbh) const;
    QJsonObject customerByDocument(const QString &zjlx, const QString &zjhm) const;
    QList<QJsonObject> records(const QString &table) const;
    QStringList mediaPaths() const;

signals:
    void requestReceived(const QString &code, const QJsonObject &params,
                         const QJsonObject &paramsExt);
    // After a function code changed what customers see (bookings, messages, accounts ...).
    void stateChanged();

private:
    void handleGateway(const QHttpServerRequest &request, QHttpServerResponder &&responder);
    void handleFaultControl(const QHttpServerRequest &request, QHttpServerResponder &&responder);
    void handleMedia(const QString &prefix, const QHttpServerRequest &request,
                     QHttpServerResponder &&responder);
    const GatewayFault *faultFor(const QString &code) const;
    void record(const QJsonObject &line);
    // The reason a state file was refused, after taking its tables when it was not.
    std::optional<QString> loadState(const QString &path);
    std::optional<QString> writeState(const QString &path) const;
    void saveState();
    QUrl baseUrl(const GatewayHttpServer *server) const;

    std::unique_ptr<DemoStore> m_store;
    std::unique_ptr<FunctionRegistry> m_registry;
    std::unique_ptr<MediaLibrary> m_media;
    std::unique_ptr<AccountService> m_accounts;
    std::unique_ptr<ProductService> m_products;
    std::unique_ptr<HoldingService> m_holdings;
    std::unique_ptr<MessageService> m_messages;
    std::unique_ptr<ActivityService> m_activities;
    std::unique_ptr<PointsService> m_points;

    GatewayHttpServer *m_gatewayServer = nullptr;
    GatewayHttpServer *m_mediaServer = nullptr;
    GatewayHttpServer *m_internalMediaServer = nullptr;
    QHostAddress m_listenAddress = QHostAddress::LocalHost;
    ConnectionLimits m_limits;

    QHash<QString, GatewayFault> m_faults;
    QString m_stateFile;
    QFile m_recordFile;
    QString m_lastError;
};
