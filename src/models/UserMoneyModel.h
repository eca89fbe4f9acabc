#pragma once

#include <QMetaType>
#include <QString>

// One trust contract (holding) of the customer, as "80205032" answers it.
class UserMoneyModel
{
    Q_GADGET
    Q_PROPERTY(QString zhtyxje MEMBER zhtyxje)
    Q_PROPERTY(QString htyxje MEMBER htyxje)
    Q_PROPERTY(QString htje MEMBER htje)
    Q_PROPERTY(QString cpqc MEMBER cpqc)
    Q_PROPERTY(QString cpmc MEMBER cpmc)
    Q_PROPERTY(QString cpdm MEMBER cpdm)
    Q_PROPERTY(QString syqmc MEMBER syqmc)
    Q_PROPERTY(QString contractno MEMBER contractno)
    Q_PROPERTY(QString ksrq MEMBER ksrq)
    Q_PROPERTY(QString syqksrq MEMBER syqksrq)
    Q_PROPERTY(QString syqjsrq MEMBER syqjsrq)
    Q_PROPERTY(QString htdqr MEMBER htdqr)
    Q_PROPERTY(QString xtqx MEMBER xtqx)
    Q_PROPERTY(QString nhsyl MEMBER nhsyl)
    Q_PROPERTY(QString dividendmethodname MEMBER dividendmethodname)
    Q_PROPERTY(double ipomaxsize MEMBER ipomaxsize)
    Q_PROPERTY(QString tsjybs MEMBER tsjybs)
    // Written through a setter: a member property skips writing "" over an absent (null)
    // value, and only a present, empty date means the contract had no special transaction.
    Q_PROPERTY(QString tsjysj MEMBER tsjysj WRITE setTsjysj)
    Q_PROPERTY(QString htyclts MEMBER htyclts)
    Q_PROPERTY(QString jlhtdqts MEMBER jlhtdqts)
    Q_PROPERTY(QString fpje MEMBER fpje)
    Q_PROPERTY(QString yhzh MEMBER yhzh)
    Q_PROPERTY(QString yhmc MEMBER yhmc)
    Q_PROPERTY(QString syrmc MEMBER syrmc)
    Q_PROPERTY(QString sjhm MEMBER sjhm)
    Q_PROPERTY(QString total_cnt MEMBER total_cnt)
    Q_PROPERTY(QString status MEMBER status)
    Q_PROPERTY(QString htfe MEMBER htfe)
    Q_PROPERTY(QString yjdfpje MEMBER yjdfpje)
    Q_PROPERTY(QString sjhm2 MEMBER sjhm2)
    Q_PROPERTY(QString icontractno MEMBER icontractno)
    Q_PROPERTY(QString redeem_flag MEMBER redeem_flag)
    Q_PROPERTY(QString transfer_flag MEMBER transfer_flag)
    Q_PROPERTY(QString lifecycle MEMBER lifecycle)
    Q_PROPERTY(QString xtlxzfq MEMBER xtlxzfq)
    Q_PROPERTY(QString syfpsj MEMBER syfpsj)
    Q_PROPERTY(QString oaid MEMBER oaid)
    Q_PROPERTY(QString dzsj MEMBER dzsj)
    Q_PROPERTY(QString sxf MEMBER sxf)
    Q_PROPERTY(QString khjlxm MEMBER khjlxm)
    Q_PROPERTY(QString ckjz MEMBER ckjz)
    Q_PROPERTY(QString email MEMBER email)
    Q_PROPERTY(QString czhm MEMBER czhm)
    Q_PROPERTY(QString zdbjs MEMBER zdbjs)
    Q_PROPERTY(QString dsyfpje MEMBER dsyfpje)
    Q_PROPERTY(QString zdsyfpje MEMBER zdsyfpje)
    Q_PROPERTY(QString yhzhmc MEMBER yhzhmc)
    Q_PROPERTY(QString dhhm1 MEMBER dhhm1)
    Q_PROPERTY(QString lxdz MEMBER lxdz)
    Q_PROPERTY(QString operatedate MEMBER operatedate)
    Q_PROPERTY(QString indiminsubamount MEMBER indiminsubamount)
    Q_PROPERTY(QString dividendmethod MEMBER dividendmethod)

public:
    QString zhtyxje;
    QString htyxje;
    QString htje;
    QString cpqc;
    QString cpmc;
    QString cpdm;
    QString syqmc;
    QString contractno;
    QString ksrq;
    QString syqksrq;
    QString syqjsrq;
    QString htdqr;
    QString xtqx;
    QString nhsyl;
    QString dividendmethodname;
    double ipomaxsize = 0; // issue size in yuan: the server sends a number
    QString tsjybs;
    QString tsjysj; // null while the record carried no such key
    QString htyclts;
    QString jlhtdqts;
    QString fpje;
    QString yhzh;
    QString yhmc;
    QString syrmc;
    QString sjhm;
    QString total_cnt;
    QString status;
    QString htfe;
    QString yjdfpje;
    QString sjhm2;
    QString icontractno;
    QString redeem_flag;
    QString transfer_flag;
    QString lifecycle;
    QString xtlxzfq;
    QString syfpsj;
    QString oaid;
    QString dzsj;
    QString sxf;
    QString khjlxm;
    QString ckjz;
    QString email;
    QString czhm;
    QString zdbjs;
    QString dsyfpje;
    QString zdsyfpje;
    QString yhzhmc;
    QString dhhm1;
    QString lxdz;
    QString operatedate;
    QString indiminsubamount;
    QString dividendmethod;

    void setTsjysj(const QString &value) { tsjysj = value.isNull() ? QStringLiteral("") : value; }
};

Q_DECLARE_METATYPE(UserMoneyModel)
