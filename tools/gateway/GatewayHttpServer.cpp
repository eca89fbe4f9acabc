#include "GatewayHttpServer.h"

#include "GatewayTcpServer.h"

#include <QHttpServerRequest>

GatewayHttpServer::GatewayHttpServer(Handler handler, QObject *parent)
    : QAbstractHttpServer(parent), m_handler(std::move(handler))
{
}

bool GatewayHttpServer::serve(const QHostAddress &address, quint16 port,
                              const ConnectionLimits &limits, QString *error)
{
    auto *listener = new GatewayTcpServer(limits, this);
    if (!listener->listen(address, port)) {
        *error = listener->errorString();
        delete listener;
        return false;
    }
    bind(listener);
    return true;
}

bool GatewayHttpServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    m_handler(request, makeResponder(request, socket));
    return true;
}

void GatewayHttpServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}
