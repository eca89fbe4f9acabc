#include "UserDefaults.h"

#include "AppConfig.h"
#include "Logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <cmath>

UserDefaults &UserDefaults::standard()
{
    static UserDefaults store;
    return store;
}

void UserDefaults::open(const QString &filePath)
{
    m_filePath = filePath;
    m_values = QJsonObject();
    m_open = true;
    load();
}

QString UserDefaults::filePath() const
{
    ensureOpen();
    return m_filePath;
}

void UserDefaults::ensureOpen() const
{
    if (!m_open)
        const_cast<UserDefaults *>(this)->open(AppConfig::dataDir() +
                                               QStringLiteral("/user-defaults.json"));
}

void UserDefaults::load()
{
    QFile file(m_filePath);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        // Left in place, the next write would replace what could not be read.
        moveAside(file.errorString());
        return;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        moveAside(error.error != QJsonParseError::NoError ? error.errorString()
                                                          : QStringLiteral("not a JSON object"));
        return;
    }
    m_values = doc.object();
}

void UserDefaults::moveAside(const QString &reason)
{
    const QString aside =
        m_filePath + QStringLiteral(".unreadable-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    const bool moved = QFile::rename(m_filePath, aside);
    qCWarning(lcStore).noquote() << "Stored data in" << m_filePath << "is unreadable (" << reason
                                 << ");"
                                 << (moved ? "kept as " + aside : QStringLiteral("left in place"))
                                 << "and starting empty";
}

QJsonValue UserDefaults::objectForKey(const QString &key) const
{
    ensureOpen();
    return m_values.value(key);
}

std::optional<QString> UserDefaults::stringForKey(const QString &key) const
{
    const QJsonValue v = objectForKey(key);
    return v.isString() ? std::optional<QString>(v.toString()) : std::nullopt;
}

std::optional<QJsonObject> UserDefaults::dictionaryForKey(const QString &key) const
{
    const QJsonValue v = objectForKey(key);
    return v.isObject() ? std::optional<QJsonObject>(v.toObject()) : std::nullopt;
}

std::optional<double> UserDefaults::numberForKey(const QString &key) const
{
    const QJsonValue v = objectForKey(key);
    return v.isDouble() ? std::optional<double>(v.toDouble()) : std::nullopt;
}

std::optional<int> UserDefaults::intForKey(const QString &key, int min, int max) const
{
    const auto n = numberForKey(key);
    // Checked in double before converting: a double outside int's range has no int value.
    if (!n || !(*n >= min && *n <= max) || std::trunc(*n) != *n)
        return std::nullopt;
    return int(*n);
}

void UserDefaults::setObject(const QString &key, const QJsonValue &value)
{
    ensureOpen();
    if (value.isUndefined() || value.isNull())
        m_values.remove(key);
    else
        m_values.insert(key, value);
    synchronize();
}

void UserDefaults::removeObjectForKey(const QString &key)
{
    ensureOpen();
    if (!m_values.contains(key))
        return;
    m_values.remove(key);
    synchronize();
}

bool UserDefaults::synchronize()
{
    ensureOpen();
    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath())) {
        qCWarning(lcStore) << "Cannot create" << info.absolutePath();
        return false;
    }
    // QSaveFile writes a temporary file and renames it over the old one, so a crash at
    // any moment leaves either the old or the new file.
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcStore) << "Cannot write" << m_filePath << file.errorString();
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(QJsonDocument(m_values).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        qCWarning(lcStore) << "Cannot write" << m_filePath << file.errorString();
        return false;
    }
    return true;
}

QJsonObject UserDefaults::toJson() const
{
    ensureOpen();
    return m_values;
}
