#pragma once

#include <QMetaType>
#include <QString>

// One published net value of a securities trust, as "164012" answers it.
class NetProductModel
{
    Q_GADGET
    Q_PROPERTY(QString rn MEMBER rn)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString w_jzrq MEMBER w_jzrq)
    Q_PROPERTY(QString w_jz MEMBER w_jz)
    Q_PROPERTY(QString w_cpdm MEMBER w_cpdm)
    Q_PROPERTY(QString w_cpmc MEMBER w_cpmc)
    Q_PROPERTY(QString w_xtgm MEMBER w_xtgm)
    Q_PROPERTY(QString w_xtqx MEMBER w_xtqx)
    Q_PROPERTY(QString w_yqnhsyl MEMBER w_yqnhsyl)
    Q_PROPERTY(QString w_sfsx MEMBER w_sfsx)
    Q_PROPERTY(QString update_user MEMBER update_user)
    Q_PROPERTY(QString update_time MEMBER update_time)

public:
    QString rn; // row number in the answer
    QString id;
    QString w_jzrq; // net-value date, yyyyMMdd
    QString w_jz;   // net value, decimal text
    QString w_cpdm;
    QString w_cpmc;
    QString w_xtgm;
    QString w_xtqx;
    QString w_yqnhsyl;
    QString w_sfsx; // carried, not shown
    QString update_user;
    QString update_time;
};

Q_DECLARE_METATYPE(NetProductModel)
