#pragma once

#include <QTcpServer>

// What one listener allows its clients. The time-outs are injectable so that tests can run
// them in milliseconds.
struct ConnectionLimits
{
    qint64 maxBodyBytes = 1024 * 1024;
    qsizetype maxHeaderBytes = 16 * 1024;
    int headerTimeoutMs = 10'000; // to send a whole header block
    int idleTimeoutMs = 30'000;   // of silence while no answer is owed
    int maxConnections = 256;
};

// The listener under the HTTP server: every connection is watched by an HttpRequestGuard
// before Qt's HTTP server reads it, because that server buffers whole bodies itself. A request
// over the limits is answered 413 (431, 400) and its connection closed without reading the
// rest; slow and silent clients are timed out; connections beyond the limit are turned away.
class GatewayTcpServer final : public QTcpServer
{
    Q_OBJECT

public:
    explicit GatewayTcpServer(const ConnectionLimits &limits, QObject *parent = nullptr);
    ~GatewayTcpServer() override;
    Q_DISABLE_COPY_MOVE(GatewayTcpServer)

    int openConnections() const { return m_open; }

protected:
    void incomingConnection(qintptr handle) override;

private:
    const ConnectionLimits m_limits;
    int m_open = 0;
};
