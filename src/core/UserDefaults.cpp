#include "UserDefaults.h"

#include "AppConfig.h"
#include "Logging.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QScopeGuard>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The real store is a few kilobytes; anything far larger is not ours to load.
constexpr qint64 kMaxStoreSize = 1024 * 1024;

struct StoreFile
{
    enum class State
    {
        Missing,
        Read,
        Unreadable
    };
    State state = State::Missing;
    QByteArray bytes;
    QString reason;
};

StoreFile unreadable(const QString &reason)
{
    return {StoreFile::State::Unreadable, {}, reason};
}

// Reads the store only when it is a regular file of sane size: a link is not followed
// (it could lead to another file or to /dev/zero) and a FIFO is not waited on.
StoreFile readStoreFile(const QString &path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return {};
        return unreadable(error == ELOOP ? QStringLiteral("a symbolic link")
                                         : qt_error_string(error));
    }
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return unreadable(qt_error_string(errno));
    if (!S_ISREG(info.st_mode))
        return unreadable(QStringLiteral("not a regular file"));
    const QString tooLarge = QStringLiteral("larger than %1 bytes").arg(kMaxStoreSize);
    if (info.st_size > kMaxStoreSize)
        return unreadable(tooLarge);
    StoreFile file{StoreFile::State::Read, {}, {}};
    char buffer[16 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return unreadable(qt_error_string(errno));
        if (n == 0)
            return file;
        if (file.bytes.size() + n > kMaxStoreSize) // grew while being read
            return unreadable(tooLarge);
        file.bytes.append(buffer, n);
    }
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

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
    m_writeFailing = false;
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
    const StoreFile file = readStoreFile(m_filePath);
    if (file.state == StoreFile::State::Missing)
        return;
    if (file.state == StoreFile::State::Unreadable) {
        // Left in place, the next write would replace what could not be read.
        moveAside(file.reason);
        return;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        moveAside(error.error != QJsonParseError::NoError ? error.errorString()
                                                          : QStringLiteral("not a JSON object"));
        return;
    }
    m_values = doc.object();
}

void UserDefaults::moveAside(const QString &reason)
{
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    QString aside = m_filePath + QStringLiteral(".unreadable-") + stamp;
    struct stat taken;
    for (int n = 1; ::lstat(QFile::encodeName(aside).constData(), &taken) == 0; ++n)
        aside = m_filePath + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    // rename(2) moves a link or a FIFO itself; QFile::rename could fall back to copying
    // what a link points to.
    const bool moved = ::rename(QFile::encodeName(m_filePath).constData(),
                                QFile::encodeName(aside).constData()) == 0;
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

void UserDefaults::setWriteFailureHandler(std::function<void(const QString &reason)> handler)
{
    m_writeFailureHandler = std::move(handler);
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
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!AppConfig::makeOwnerOnlyPath(folder))
        return writeFailed(QStringLiteral("cannot create the folder ") + folder);
    // A fresh owner-only file beside the store, renamed over it: a crash at any moment
    // leaves either the old or the new file, and the rename replaces a link planted in the
    // store's place rather than writing where it points (QSaveFile would follow it).
    QByteArray temp = QFile::encodeName(m_filePath) + ".saving-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return writeFailed(qt_error_string(errno));
    bool ok =
        writeAll(fd, QJsonDocument(m_values).toJson(QJsonDocument::Indented)) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.constData(), QFile::encodeName(m_filePath).constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.constData());
        return writeFailed(qt_error_string(error));
    }
    m_writeFailing = false;
    return true;
}

bool UserDefaults::writeFailed(const QString &reason)
{
    qCWarning(lcStore).noquote() << "Cannot write" << m_filePath << ":" << reason;
    if (!m_writeFailing) {
        m_writeFailing = true;
        if (m_writeFailureHandler)
            m_writeFailureHandler(reason);
    }
    return false;
}

QJsonObject UserDefaults::toJson() const
{
    ensureOpen();
    return m_values;
}
