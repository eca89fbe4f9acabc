#pragma once

#include <QMetaType>
#include <QString>

// The customer's unread-message count, as "164020" answers it.
class MessageNumModel
{
    Q_GADGET
    Q_PROPERTY(QString unread_count MEMBER unread_count)

public:
    QString unread_count;
};

Q_DECLARE_METATYPE(MessageNumModel)
