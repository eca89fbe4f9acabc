#pragma once

#include <QObject>
#include <QString>
#include <functional>

// Names of the shell notifications content screens post to hide, show and switch the tab bar.
namespace Notification {
inline const QString Hidden = QStringLiteral("hidden");
inline const QString Appearance = QStringLiteral("appearance");
inline const QString Change1 = QStringLiteral("change1"); // products tab
inline const QString Change3 = QStringLiteral("change3"); // company news tab
inline const QString Change4 = QStringLiteral("change4"); // account tab
} // namespace Notification

// Named notifications with a sender. An observer's handlers go away with the observer,
// so nobody has to remember to remove them.
class NotificationCenter : public QObject
{
    Q_OBJECT

public:
    static NotificationCenter *defaultCenter();

    void postNotificationName(const QString &name, QObject *sender = nullptr);
    void addObserver(QObject *observer, const QString &name,
                     std::function<void(QObject *sender)> handler);

signals:
    void posted(const QString &name, QObject *sender);

private:
    NotificationCenter() = default;
};
