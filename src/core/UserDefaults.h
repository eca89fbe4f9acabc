#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <functional>
#include <optional>

// The client's small persistent key-value store: property-list values (strings, numbers,
// booleans, dictionaries, arrays) under string keys, kept in one JSON file that is
// rewritten atomically, owner-only, on every change. A value of an unexpected type reads
// as absent; anything in the file's place that is not a readable regular file of sane size
// (a link, a FIFO, a device, a folder, broken JSON) is moved aside (never deleted, never
// followed) and the store starts empty.
class UserDefaults final
{
public:
    static UserDefaults &standard();

    // Uses that file from now on (loaded at once). Without a call the store lives in
    // the data folder as "user-defaults.json".
    void open(const QString &filePath);
    QString filePath() const;

    QJsonValue objectForKey(const QString &key) const;
    std::optional<QString> stringForKey(const QString &key) const;
    std::optional<QJsonObject> dictionaryForKey(const QString &key) const;
    std::optional<double> numberForKey(const QString &key) const;
    // A whole number within [min, max]; a fraction, another type or anything outside the
    // range reads as absent, so a tampered file cannot smuggle in an impossible count.
    std::optional<int> intForKey(const QString &key, int min, int max) const;

    void setObject(const QString &key, const QJsonValue &value);
    void removeObjectForKey(const QString &key);
    // Writes the file now; false (and a warning) when it cannot be written.
    bool synchronize();

    // Told with the reason when a write fails after the last one worked, so the customer
    // hears once per spell of failures that the values live only in memory for now.
    void setWriteFailureHandler(std::function<void(const QString &reason)> handler);

    QJsonObject toJson() const;

private:
    UserDefaults() = default;
    Q_DISABLE_COPY_MOVE(UserDefaults)
    void ensureOpen() const;
    void load();
    void moveAside(const QString &reason);
    bool writeFailed(const QString &reason);

    QString m_filePath;
    QJsonObject m_values;
    bool m_open = false;
    bool m_writeFailing = false;
    std::function<void(const QString &)> m_writeFailureHandler;
};
