#pragma once

#include <QMetaType>
#include <QString>

// One income distribution of a contract, the "80205037" record as the income detail reads it.
class CustomerIncomeModel
{
    Q_GADGET
    Q_PROPERTY(QString cpmc MEMBER cpmc)
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString fprq MEMBER fprq)
    Q_PROPERTY(QString fpje MEMBER fpje)
    Q_PROPERTY(QString feye MEMBER feye)
    Q_PROPERTY(QString fhfs MEMBER fhfs)
    Q_PROPERTY(QString fhfsname MEMBER fhfsname)
    Q_PROPERTY(QString oaid MEMBER oaid)
    Q_PROPERTY(QString total_cnt MEMBER total_cnt)
    Q_PROPERTY(QString owcount MEMBER owcount)
    Q_PROPERTY(QString htje MEMBER htje)
    Q_PROPERTY(QString ksrq MEMBER ksrq)
    Q_PROPERTY(QString cpdm MEMBER cpdm)
    Q_PROPERTY(QString yqnsy MEMBER yqnsy)
    Q_PROPERTY(QString htljsy MEMBER htljsy)
    Q_PROPERTY(QString syhtljsy MEMBER syhtljsy)
    Q_PROPERTY(QString htisjs MEMBER htisjs)
    Q_PROPERTY(QString syfpzh MEMBER syfpzh)
    Q_PROPERTY(QString syfpfs MEMBER syfpfs)

public:
    QString cpmc;
    QString khbh;
    QString fprq;
    QString fpje;
    QString feye;
    QString fhfs;
    QString fhfsname;
    QString oaid;
    QString total_cnt;
    QString owcount;
    QString htje;
    QString ksrq;
    QString cpdm;
    QString yqnsy;
    QString htljsy;
    QString syhtljsy;
    QString htisjs;
    QString syfpzh;
    QString syfpfs;
};

Q_DECLARE_METATYPE(CustomerIncomeModel)
