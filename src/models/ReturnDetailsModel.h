#pragma once

#include <QMetaType>
#include <QString>

// One income distribution, as "80205037" answers it to the account and the profit list.
class ReturnDetailsModel
{
    Q_GADGET
    Q_PROPERTY(QString fprq MEMBER fprq)
    Q_PROPERTY(QString fpje MEMBER fpje)
    Q_PROPERTY(QString fhfs MEMBER fhfs)
    Q_PROPERTY(QString syqmc MEMBER syqmc)
    Q_PROPERTY(QString ksrq MEMBER ksrq)
    Q_PROPERTY(QString syhtljsy MEMBER syhtljsy)
    Q_PROPERTY(QString syqdm MEMBER syqdm)
    Q_PROPERTY(QString htyjclts MEMBER htyjclts)
    Q_PROPERTY(QString total_cnt MEMBER total_cnt)
    Q_PROPERTY(QString htisjs MEMBER htisjs)
    Q_PROPERTY(QString dsyfpje MEMBER dsyfpje)
    Q_PROPERTY(QString fhfsname MEMBER fhfsname)
    Q_PROPERTY(QString yqnsy MEMBER yqnsy)
    Q_PROPERTY(QString jlhtdqts MEMBER jlhtdqts)
    Q_PROPERTY(QString htljsy MEMBER htljsy)
    Q_PROPERTY(QString cpmc MEMBER cpmc)
    Q_PROPERTY(QString syfpfs MEMBER syfpfs)
    Q_PROPERTY(QString cpdm MEMBER cpdm)
    Q_PROPERTY(QString htje MEMBER htje)
    Q_PROPERTY(QString htid MEMBER htid)
    Q_PROPERTY(QString jsrq MEMBER jsrq)
    Q_PROPERTY(QString feye MEMBER feye)
    Q_PROPERTY(QString takhbh MEMBER takhbh)
    Q_PROPERTY(QString syfpzh MEMBER syfpzh)
    Q_PROPERTY(QString rowcount MEMBER rowcount)
    Q_PROPERTY(QString cphtljsy MEMBER cphtljsy)

public:
    QString fprq;
    QString fpje;
    QString fhfs;
    QString syqmc;
    QString ksrq;
    QString syhtljsy;
    QString syqdm;
    QString htyjclts;
    QString total_cnt;
    QString htisjs;
    QString dsyfpje;
    QString fhfsname;
    QString yqnsy;
    QString jlhtdqts;
    QString htljsy;
    QString cpmc;
    QString syfpfs;
    QString cpdm;
    QString htje;
    QString htid;
    QString jsrq;
    QString feye;
    QString takhbh;
    QString syfpzh;
    QString rowcount;
    QString cphtljsy;
};

Q_DECLARE_METATYPE(ReturnDetailsModel)
