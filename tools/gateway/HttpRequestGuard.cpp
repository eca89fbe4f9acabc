#include "HttpRequestGuard.h"

namespace {

constexpr qsizetype kMaxChunkLine = 1024;

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                               text.back() == '\n'))
        text.chop(1);
    return text;
}

bool sameName(QByteArrayView a, const char *b)
{
    return a.compare(QByteArrayView(b), Qt::CaseInsensitive) == 0;
}

// A decimal or hexadecimal count; -1 when it is not one, -2 when it is beyond `limit`.
qint64 count(QByteArrayView digits, int base, qint64 limit)
{
    if (digits.isEmpty())
        return -1;
    qint64 value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return -1;
        if (value > (limit - digit) / base)
            return -2; // checked before it could overflow
        value = value * base + digit;
    }
    return value;
}

} // namespace

HttpRequestGuard::HttpRequestGuard(qint64 maxBodyBytes, qsizetype maxHeaderBytes)
    : m_maxBodyBytes(maxBodyBytes), m_maxHeaderBytes(maxHeaderBytes)
{
}

int HttpRequestGuard::refuse(int status)
{
    m_stage = Stage::Refused;
    m_refusal = status;
    m_line.clear();
    return status;
}

bool HttpRequestGuard::collectLine(QByteArrayView bytes, qsizetype *pos, qsizetype limit,
                                   bool *tooLong)
{
    const qsizetype end = bytes.indexOf('\n', *pos);
    const qsizetype stop = end < 0 ? bytes.size() : end + 1;
    const qsizetype room = limit - m_line.size();
    if (stop - *pos > room) {
        *tooLong = true;
        return false;
    }
    m_line.append(bytes.sliced(*pos, stop - *pos));
    *pos = stop;
    return end >= 0;
}

int HttpRequestGuard::feed(QByteArrayView bytes)
{
    qsizetype pos = 0;
    while (pos < bytes.size() && m_stage != Stage::Refused) {
        if (m_stage == Stage::Idle) {
            // Blank lines between requests are tolerated, as HTTP/1.1 asks.
            if (bytes[pos] == '\r' || bytes[pos] == '\n') {
                ++pos;
                continue;
            }
            m_stage = Stage::Header;
            m_headerBytes = 0;
            m_contentLength = -1;
            m_chunked = false;
            m_badHeader = false;
        }
        if (m_stage == Stage::Header) {
            bool tooLong = false;
            const qsizetype before = pos;
            const bool whole = collectLine(bytes, &pos, headerRoom(), &tooLong);
            if (tooLong)
                return refuse(431);
            m_headerBytes += pos - before;
            if (!whole)
                continue;
            const QByteArray line = std::exchange(m_line, {});
            if (const int status =
                    trimmed(line).isEmpty() ? headerComplete() : takeHeaderLine(line))
                return refuse(status);
            continue;
        }
        // Stage::Body
        switch (m_bodyMode) {
        case BodyMode::Length:
        case BodyMode::ChunkData: {
            const qint64 taken = qMin<qint64>(m_remaining, bytes.size() - pos);
            pos += taken;
            m_remaining -= taken;
            if (m_remaining == 0) {
                if (m_bodyMode == BodyMode::Length)
                    finishRequest();
                else
                    m_bodyMode = BodyMode::ChunkEnd;
            }
            break;
        }
        case BodyMode::ChunkSize:
        case BodyMode::ChunkEnd:
        case BodyMode::Trailer: {
            bool tooLong = false;
            const qsizetype limit = m_bodyMode == BodyMode::Trailer ? headerRoom() : kMaxChunkLine;
            const qsizetype before = pos;
            const bool whole = collectLine(bytes, &pos, limit, &tooLong);
            if (tooLong)
                return refuse(m_bodyMode == BodyMode::Trailer ? 431 : 400);
            if (m_bodyMode == BodyMode::Trailer)
                m_headerBytes += pos - before;
            if (!whole)
                break;
            if (const int status = takeChunkLine(std::exchange(m_line, {})))
                return refuse(status);
            break;
        }
        }
    }
    return m_refusal;
}

int HttpRequestGuard::takeHeaderLine(QByteArrayView line)
{
    const qsizetype colon = line.indexOf(':');
    if (colon < 0)
        return m_headerBytes == line.size() ? 0 : 400; // the request line has no colon
    const QByteArrayView name = line.first(colon);
    const QByteArrayView value = trimmed(line.sliced(colon + 1));
    if (sameName(name, "Content-Length")) {
        const qint64 length = count(value, 10, std::numeric_limits<qint64>::max());
        if (length == -1 || (m_contentLength >= 0 && length != m_contentLength))
            m_badHeader = true;
        else
            m_contentLength = length == -2 ? std::numeric_limits<qint64>::max() : length;
    } else if (sameName(name, "Transfer-Encoding")) {
        // Only "chunked" is spoken; anything else could hide where the request ends.
        if (!sameName(value, "chunked") || m_chunked)
            m_badHeader = true;
        m_chunked = true;
    }
    return 0;
}

int HttpRequestGuard::headerComplete()
{
    // Both framings at once is how requests are smuggled past a proxy.
    if (m_badHeader || (m_chunked && m_contentLength >= 0))
        return 400;
    if (m_contentLength > m_maxBodyBytes)
        return 413;
    m_bodyBytes = 0;
    if (m_chunked) {
        m_stage = Stage::Body;
        m_bodyMode = BodyMode::ChunkSize;
    } else if (m_contentLength > 0) {
        m_stage = Stage::Body;
        m_bodyMode = BodyMode::Length;
        m_remaining = m_contentLength;
    } else {
        finishRequest();
    }
    return 0;
}

int HttpRequestGuard::takeChunkLine(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line.endsWith('\n') ? line.chopped(1) : line);
    switch (m_bodyMode) {
    case BodyMode::ChunkSize: {
        const qsizetype extension = text.indexOf(';');
        const qint64 size =
            count(trimmed(extension < 0 ? text : text.first(extension)), 16, m_maxBodyBytes);
        if (size == -1)
            return 400;
        if (size == -2 || size > m_maxBodyBytes - m_bodyBytes)
            return 413;
        m_bodyBytes += size;
        m_remaining = size;
        m_bodyMode = size == 0 ? BodyMode::Trailer : BodyMode::ChunkData;
        return 0;
    }
    case BodyMode::ChunkEnd:
        if (!text.isEmpty())
            return 400;
        m_bodyMode = BodyMode::ChunkSize;
        return 0;
    case BodyMode::Trailer:
        if (text.isEmpty())
            finishRequest();
        return 0;
    default:
        return 0;
    }
}

qsizetype HttpRequestGuard::headerRoom() const
{
    // m_headerBytes already counts the part of the current line collected so far.
    return m_maxHeaderBytes - m_headerBytes + m_line.size();
}

void HttpRequestGuard::finishRequest()
{
    m_stage = Stage::Idle;
    ++m_completed;
}
