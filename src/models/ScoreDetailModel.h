#pragma once

#include <QMetaType>
#include <QString>

// The customer's points account, as "170006" answers it.
class ScoreDetailModel
{
    Q_GADGET
    Q_PROPERTY(QString available_integral MEMBER available_integral)
    Q_PROPERTY(QString xfjf MEMBER xfjf)
    Q_PROPERTY(QString subpoint MEMBER subpoint)
    Q_PROPERTY(QString his_totalpoint MEMBER his_totalpoint)
    Q_PROPERTY(QString gqjf MEMBER gqjf)
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString khxm MEMBER khxm)
    Q_PROPERTY(QString zjhm MEMBER zjhm)
    Q_PROPERTY(QString zjlx MEMBER zjlx)
    Q_PROPERTY(QString crmkhbh MEMBER crmkhbh)

public:
    QString available_integral;
    QString xfjf;
    QString subpoint;
    QString his_totalpoint;
    QString gqjf;
    QString khbh;
    QString khxm;
    QString zjhm;
    QString zjlx;
    QString crmkhbh;
};

Q_DECLARE_METATYPE(ScoreDetailModel)
