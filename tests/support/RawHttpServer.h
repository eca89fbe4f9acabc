#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QUrl>
#include <optional>

class QTcpSocket;

// A loopback HTTP/1.1 server just big enough to record what a client sends and to answer
// with any status, headers and body, or to hold the answers back until told. Tests of the
// client's own transport use it where the demo gateway would hide the bytes.
class RawHttpServer final
{
    Q_DISABLE_COPY_MOVE(RawHttpServer)

public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QList<QByteArray> headers; // whole lines, "Set-Cookie: a=b"
        // Spaces after the body, written only as fast as the client reads them, so a huge
        // answer costs the server nothing; announced in Content-Length unless told not to.
        qint64 padding = 0;
        bool announceLength = true;
    };

    struct Received
    {
        QByteArray method;
        QByteArray target;
        QMap<QByteArray, QByteArray> headers; // names lower-cased
        QByteArray body;
    };

    // Listens on a free loopback port; requests are held until an answer is set.
    RawHttpServer();
    ~RawHttpServer();

    bool isListening() const { return m_server.isListening(); }
    QUrl baseUrl() const;
    // Every request is answered at once with this, from now on.
    void answerWith(const Answer &answer) { m_answer = answer; }
    void holdAnswers() { m_answer.reset(); }
    // Answers the oldest request held back; false when none is waiting.
    bool releaseOne(const Answer &answer);
    const QList<Received> &received() const { return m_received; }
    // Bytes of answers handed to the sockets so far, headers included.
    qint64 bytesSent() const { return m_bytesSent; }

private:
    void readFrom(QTcpSocket *socket);
    void send(QTcpSocket *socket, const Answer &answer);
    void pad(QTcpSocket *socket);

    std::optional<Answer> m_answer;
    QList<QPointer<QTcpSocket>> m_held;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QHash<QTcpSocket *, qint64> m_padding; // spaces still to send
    QList<Received> m_received;
    qint64 m_bytesSent = 0;
    // Last, so it goes first: its sockets may still report a disconnection as they go.
    QTcpServer m_server;
};
