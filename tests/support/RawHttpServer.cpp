#include "RawHttpServer.h"

#include <QTcpSocket>

#include <algorithm>

RawHttpServer::RawHttpServer()
{
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this]() {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket]() { readFrom(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket]() {
                m_buffers.remove(socket);
                m_padding.remove(socket);
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

void RawHttpServer::send(QTcpSocket *socket, const Answer &answer)
{
    QByteArray response = "HTTP/1.1 " + QByteArray::number(answer.status) + " Status\r\n";
    response += "Content-Type: text/html\r\n";
    for (const QByteArray &header : answer.headers)
        response += header + "\r\n";
    if (answer.announceLength)
        response +=
            "Content-Length: " + QByteArray::number(answer.body.size() + answer.padding) + "\r\n";
    response += "Connection: close\r\n\r\n" + answer.body;
    m_bytesSent += response.size();
    socket->write(response);
    if (answer.padding <= 0) {
        socket->disconnectFromHost();
        return;
    }
    m_padding.insert(socket, answer.padding);
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket]() { pad(socket); });
    pad(socket);
}

void RawHttpServer::pad(QTcpSocket *socket)
{
    // Topped up only while little is queued: what the client does not read is never made.
    constexpr qint64 kChunk = 64 * 1024;
    if (!m_padding.contains(socket))
        return;
    qint64 &left = m_padding[socket];
    while (left > 0 && socket->bytesToWrite() < kChunk) {
        const qint64 size = std::min(left, kChunk);
        socket->write(QByteArray(size, ' '));
        m_bytesSent += size;
        left -= size;
    }
    if (left == 0) {
        m_padding.remove(socket);
        socket->disconnectFromHost();
    }
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
