#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// Follows the requests of one HTTP/1.1 connection byte by byte, before the HTTP server
// buffers them, so that an oversized or malformed request is refused while it arrives: by its
// Content-Length or chunk sizes before the body is read, by the size of its header block, and
// never by holding more than the limits. Qt Core only, so that it can be fuzzed.
class HttpRequestGuard final
{
public:
    enum class Stage
    {
        Idle,
        Header,
        Body,
        Refused
    };

    HttpRequestGuard(qint64 maxBodyBytes, qsizetype maxHeaderBytes);
    Q_DISABLE_COPY_MOVE(HttpRequestGuard)

    // Takes the next bytes of the connection; the HTTP status to refuse with (400, 413, 431),
    // or 0 while the requests are sound. Once refused, it stays refused.
    int feed(QByteArrayView bytes);

    Stage stage() const { return m_stage; }
    int refusal() const { return m_refusal; }
    // Requests whose header and body have been seen whole.
    qint64 completedRequests() const { return m_completed; }

private:
    enum class BodyMode
    {
        Length,
        ChunkSize,
        ChunkData,
        ChunkEnd,
        Trailer
    };

    int refuse(int status);
    int takeHeaderLine(QByteArrayView line);
    int headerComplete();
    int takeChunkLine(QByteArrayView line);
    void finishRequest();
    // How long the line being collected may grow within the header (or trailer) limit.
    qsizetype headerRoom() const;
    // Collects one line (up to LF) into m_line; true when it is complete.
    bool collectLine(QByteArrayView bytes, qsizetype *pos, qsizetype limit, bool *tooLong);

    const qint64 m_maxBodyBytes;
    const qsizetype m_maxHeaderBytes;
    Stage m_stage = Stage::Idle;
    BodyMode m_bodyMode = BodyMode::Length;
    int m_refusal = 0;
    qint64 m_completed = 0;
    QByteArray m_line;
    qsizetype m_headerBytes = 0;
    qint64 m_contentLength = -1;
    bool m_chunked = false;
    bool m_badHeader = false;
    qint64 m_remaining = 0; // of the body (Length) or of the current chunk (ChunkData)
    qint64 m_bodyBytes = 0; // chunk sizes so far
};
