#pragma once

#include <QAbstractHttpServer>
#include <QHttpServerResponder>
#include <functional>

class QHttpServerRequest;
struct ConnectionLimits;

// An HTTP listener that hands every request, whatever its path and method, to one handler:
// the gateway decides 404, 405, 413 and delayed or dropped answers itself.
class GatewayHttpServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    using Handler = std::function<void(const QHttpServerRequest &, QHttpServerResponder &&)>;

    explicit GatewayHttpServer(Handler handler, QObject *parent = nullptr);

    // Listens through a GatewayTcpServer, which holds every connection to `limits`; false
    // with the listener's reason in `error` when the address or port cannot be had.
    bool serve(const QHostAddress &address, quint16 port, const ConnectionLimits &limits,
               QString *error);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    Handler m_handler;
};
