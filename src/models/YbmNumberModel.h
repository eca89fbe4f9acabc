#pragma once

#include <QMetaType>
#include <QString>

// How many people an activity has registered already, as "166017" answers it.
class YbmNumberModel
{
    Q_GADGET
    Q_PROPERTY(QString joined_num MEMBER joined_num)

public:
    QString joined_num;
};

Q_DECLARE_METATYPE(YbmNumberModel)
