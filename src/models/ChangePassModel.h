#pragma once

#include <QMetaType>
#include <QString>

// The customer found for a password recovery, as "166021" answers it.
class ChangePassModel
{
    Q_GADGET
    Q_PROPERTY(QString khxm MEMBER khxm)
    Q_PROPERTY(QString zjlx MEMBER zjlx)
    Q_PROPERTY(QString sjhm MEMBER sjhm)
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString zjhm MEMBER zjhm)
    Q_PROPERTY(QString khlx MEMBER khlx)

public:
    QString khxm;
    QString zjlx;
    QString sjhm;
    QString khbh;
    QString zjhm;
    QString khlx;
};

Q_DECLARE_METATYPE(ChangePassModel)
