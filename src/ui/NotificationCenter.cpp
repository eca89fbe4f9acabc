#include "NotificationCenter.h"

NotificationCenter *NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return &center;
}

void NotificationCenter::postNotificationName(const QString &name, QObject *sender)
{
    emit posted(name, sender);
}

void NotificationCenter::addObserver(QObject *observer, const QString &name,
                                     std::function<void(QObject *sender)> handler)
{
    connect(this, &NotificationCenter::posted, observer,
            [name, handler = std::move(handler)](const QString &posted, QObject *sender) {
                if (posted == name)
                    handler(sender);
            });
}
