#include "JsonKeyOrder.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// A scanner that only follows the structure of a text QJsonDocument has already accepted.
class Scanner
{
public:
    Scanner(const QByteArray &json, const QStringList &target) : m_json(json), m_target(target) {}

    QStringList run()
    {
        QStringList path;
        value(path, 0);
        return m_found;
    }

private:
    static constexpr int kMaxDepth = 512;

    void skipSpace()
    {
        while (m_pos < m_json.size() && QChar::isSpace(uchar(m_json.at(m_pos))))
            ++m_pos;
    }

    bool atEnd() const { return m_pos >= m_json.size() || m_failed; }

    QString string()
    {
        // m_pos is on the opening quote.
        const qsizetype start = m_pos++;
        bool escaped = false;
        while (m_pos < m_json.size()) {
            const char c = m_json.at(m_pos++);
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                break;
        }
        const QByteArray raw = m_json.mid(start, m_pos - start);
        if (!raw.contains('\\'))
            return QString::fromUtf8(raw.mid(1, raw.size() - 2));
        const QJsonDocument doc = QJsonDocument::fromJson("[" + raw + "]");
        return doc.array().at(0).toString();
    }

    void value(QStringList &path, int depth)
    {
        skipSpace();
        if (atEnd() || depth > kMaxDepth) {
            m_failed = true;
            return;
        }
        const char c = m_json.at(m_pos);
        if (c == '{')
            object(path, depth);
        else if (c == '[')
            array(path, depth);
        else if (c == '"')
            string();
        else
            while (m_pos < m_json.size() &&
                   !QByteArrayView(",]} \t\r\n").contains(m_json.at(m_pos)))
                ++m_pos;
    }

    void object(QStringList &path, int depth)
    {
        const bool isTarget = path == m_target;
        ++m_pos;
        while (!atEnd()) {
            skipSpace();
            if (atEnd())
                return;
            if (m_json.at(m_pos) == '}') {
                ++m_pos;
                return;
            }
            if (m_json.at(m_pos) == ',') {
                ++m_pos;
                continue;
            }
            if (m_json.at(m_pos) != '"') {
                m_failed = true;
                return;
            }
            const QString key = string();
            if (isTarget)
                m_found.append(key);
            skipSpace();
            if (atEnd() || m_json.at(m_pos) != ':') {
                m_failed = true;
                return;
            }
            ++m_pos;
            path.append(key);
            value(path, depth + 1);
            path.removeLast();
        }
    }

    void array(QStringList &path, int depth)
    {
        ++m_pos;
        int index = 0;
        while (!atEnd()) {
            skipSpace();
            if (atEnd())
                return;
            if (m_json.at(m_pos) == ']') {
                ++m_pos;
                return;
            }
            if (m_json.at(m_pos) == ',') {
                ++m_pos;
                ++index;
                continue;
            }
            path.append(QString::number(index));
            value(path, depth + 1);
            path.removeLast();
        }
    }

    const QByteArray &m_json;
    const QStringList &m_target;
    qsizetype m_pos = 0;
    bool m_failed = false;
    QStringList m_found;
};

} // namespace

QStringList JsonKeyOrder::keysAt(const QByteArray &json, const QStringList &path)
{
    QJsonParseError error;
    QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {};
    return Scanner(json, path).run();
}
