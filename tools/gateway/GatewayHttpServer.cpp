#include "GatewayHttpServer.h"

#include <QHttpServerRequest>

GatewayHttpServer::GatewayHttpServer(Handler handler, QObject *parent)
    : QAbstractHttpServer(parent), m_handler(std::move(handler))
{
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
