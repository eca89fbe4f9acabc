#include "GatewayTcpServer.h"

#include "DemoLog.h"
#include "HttpRequestGuard.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 408:
        return "Request Timeout";
    case 413:
        return "Payload Too Large";
    case 431:
        return "Request Header Fields Too Large";
    case 503:
        return "Service Unavailable";
    default:
        return "Bad Request";
    }
}

QByteArray refusalText(int status)
{
    switch (status) {
    case 408:
        return "request not received in time";
    case 413:
        return "request body over the limit";
    case 431:
        return "request header over the limit";
    case 503:
        return "too many connections";
    default:
        return "malformed request";
    }
}

void writeRefusal(QTcpSocket *socket, int status)
{
    const QByteArray text = refusalText(status);
    socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                  "\r\nContent-Type: text/plain;charset=UTF-8\r\nContent-Length: " +
                  QByteArray::number(text.size()) + "\r\nConnection: close\r\n\r\n" + text);
}

// One connection as the guard sees it. It lives as a child of its socket, so it goes when
// the HTTP server deletes the socket.
class ConnectionWatch final : public QObject
{
public:
    ConnectionWatch(QTcpSocket *socket, const ConnectionLimits &limits)
        : QObject(socket), m_socket(socket), m_guard(limits.maxBodyBytes, limits.maxHeaderBytes),
          m_limits(limits)
    {
        m_headerTimer.setSingleShot(true);
        m_idleTimer.setSingleShot(true);
        m_headerTimer.setInterval(limits.headerTimeoutMs);
        m_idleTimer.setInterval(limits.idleTimeoutMs);
        // Connected before the HTTP server connects its own reader, so this one runs first
        // and sees each new piece before it is buffered.
        connect(socket, &QIODevice::readyRead, this, &ConnectionWatch::inspect);
        connect(socket, &QIODevice::bytesWritten, this, &ConnectionWatch::wrote);
        connect(&m_headerTimer, &QTimer::timeout, this, [this] { refuse(408); });
        connect(&m_idleTimer, &QTimer::timeout, this, &ConnectionWatch::idle);
        m_headerTimer.start();
        m_idleTimer.start();
    }

private:
    void inspect()
    {
        // The HTTP server reads everything on each signal, so what is unread now is new.
        const QByteArray fresh = m_socket->peek(m_socket->bytesAvailable());
        const qint64 before = m_guard.completedRequests();
        if (const int status = m_guard.feed(fresh)) {
            refuse(status);
            return;
        }
        if (m_guard.stage() == HttpRequestGuard::Stage::Idle)
            m_headerTimer.stop();
        else if (!m_headerTimer.isActive() && m_guard.stage() == HttpRequestGuard::Stage::Header)
            m_headerTimer.start();
        if (m_guard.stage() == HttpRequestGuard::Stage::Body)
            m_headerTimer.stop();
        // A request that is whole waits for its answer, however long the gateway takes.
        if (m_guard.completedRequests() > before)
            m_idleTimer.stop();
        else
            m_idleTimer.start();
    }

    void wrote()
    {
        if (m_refused) {
            halfClose();
            return;
        }
        m_idleTimer.start();
    }

    void idle()
    {
        if (m_refused)
            m_socket->abort();
        else if (m_guard.stage() == HttpRequestGuard::Stage::Idle)
            m_socket->disconnectFromHost();
        else
            refuse(408); // stalled in the middle of a request
    }

    // Answers `status` itself and takes the socket from the HTTP server, which never sees
    // the rest of this request.
    void refuse(int status)
    {
        if (m_refused)
            return;
        m_refused = true;
        m_headerTimer.stop();
        qCInfo(lcDemo).noquote() << "refused a request from" << m_socket->peerAddress().toString()
                                 << "with" << status << refusalText(status);
        // Takes the reader of the HTTP server off this socket; this one drains from now on.
        QObject::disconnect(m_socket, &QIODevice::readyRead, nullptr, nullptr);
        connect(m_socket, &QIODevice::readyRead, this, &ConnectionWatch::drain);
        if (m_socket->isTransactionStarted())
            m_socket->commitTransaction();
        writeRefusal(m_socket, status);
        m_socket->flush();
        halfClose();
        drain();
        // However the client behaves, the connection ends within one more time-out.
        m_idleTimer.start(qMin(m_limits.headerTimeoutMs, m_limits.idleTimeoutMs));
    }

    // Once the refusal is out, the client hears the end of the stream; reading on until it
    // closes keeps its unread upload from resetting the connection before it reads the answer.
    void halfClose()
    {
        if (m_halfClosed || m_socket->bytesToWrite() > 0)
            return;
        m_halfClosed = true;
#ifdef Q_OS_UNIX
        ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
#else
        m_socket->disconnectFromHost();
#endif
    }

    void drain()
    {
        m_drained += m_socket->skip(m_socket->bytesAvailable());
        if (m_drained > 4 * m_limits.maxBodyBytes)
            m_socket->abort();
    }

    QTcpSocket *m_socket;
    HttpRequestGuard m_guard;
    const ConnectionLimits m_limits;
    QTimer m_headerTimer;
    QTimer m_idleTimer;
    bool m_refused = false;
    bool m_halfClosed = false;
    qint64 m_drained = 0;
};

} // namespace

GatewayTcpServer::GatewayTcpServer(const ConnectionLimits &limits, QObject *parent)
    : QTcpServer(parent), m_limits(limits)
{
}

GatewayTcpServer::~GatewayTcpServer()
{
    // The sockets count themselves out as they go, which needs this object whole.
    qDeleteAll(findChildren<QTcpSocket *>(Qt::FindDirectChildrenOnly));
}

void GatewayTcpServer::incomingConnection(qintptr handle)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    if (m_open >= m_limits.maxConnections) {
        qCInfo(lcDemo).noquote() << "turned away a connection: already" << m_open << "open";
        writeRefusal(socket, 503);
        socket->disconnectFromHost();
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        return;
    }
    ++m_open;
    connect(socket, &QObject::destroyed, this, [this] { --m_open; });
    new ConnectionWatch(socket, m_limits);
    addPendingConnection(socket);
}
