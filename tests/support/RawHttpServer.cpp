#include "RawHttpServer.h"

#include <QTcpSocket>

namespace {

void send(QTcpSocket *socket, const RawHttpServer::Answer &answer)
{
    QByteArray response = "HTTP/1.1 " + QByteArray::number(answer.status) + " Status\r\n";
    response += "Content-Type: text/html\r\n";
    for (const QByteArray &header : answer.headers)
        response += header + "\r\n";
    response += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    response += "Connection: close\r\n\r\n" + answer.body;
    socket->write(response);
    socket->disconnectFromHost();
}

} // namespace

RawHttpServer::RawHttpServer()
{
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this]() {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket]() { readFrom(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket]() {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
    m_server.listen(QHostAddress::LocalHost, 0);
}

RawHttpServer::~RawHttpServer() = default;

QUrl RawHttpServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
}

bool RawHttpServer::releaseOne(const Answer &answer)
{
    while (!m_held.isEmpty()) {
        if (const QPointer<QTcpSocket> socket = m_held.takeFirst()) {
            send(socket, answer);
            return true;
        }
    }
    return false;
}

void RawHttpServer::readFrom(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    Received request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (const QByteArray &line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(),
                                   line.mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return; // the body is still coming
    request.body = buffer.mid(headerEnd + 4, length);
    m_buffers.remove(socket);
    m_received.append(request);
    if (m_answer)
        send(socket, *m_answer);
    else
        m_held.append(socket);
}
