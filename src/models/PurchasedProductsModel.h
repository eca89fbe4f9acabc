#pragma once

#include <QMetaType>
#include <QString>

// One purchased product, as "80205034" answers it; the account hands the list on unread.
class PurchasedProductsModel
{
    Q_GADGET
    Q_PROPERTY(QString sjhm MEMBER sjhm)
    Q_PROPERTY(QString kz_xsqsrq MEMBER kz_xsqsrq)
    Q_PROPERTY(QString sjhm2 MEMBER sjhm2)
    Q_PROPERTY(QString total_cnt MEMBER total_cnt)
    Q_PROPERTY(QString projid MEMBER projid)
    Q_PROPERTY(QString rowcount MEMBER rowcount)
    Q_PROPERTY(QString zt MEMBER zt)
    Q_PROPERTY(QString cpcode MEMBER cpcode)
    Q_PROPERTY(QString cpid MEMBER cpid)
    Q_PROPERTY(QString kz_xszzrq MEMBER kz_xszzrq)
    Q_PROPERTY(QString cpmc MEMBER cpmc)
    Q_PROPERTY(QString ksrq MEMBER ksrq)
    Q_PROPERTY(QString xtqx MEMBER xtqx)
    Q_PROPERTY(QString cpfxgm MEMBER cpfxgm)
    Q_PROPERTY(QString oaid MEMBER oaid)
    Q_PROPERTY(QString yhzh MEMBER yhzh)
    Q_PROPERTY(QString yqnsy MEMBER yqnsy)
    Q_PROPERTY(QString projcode MEMBER projcode)
    Q_PROPERTY(QString htje MEMBER htje)
    Q_PROPERTY(QString syqksrq MEMBER syqksrq)

public:
    QString sjhm;
    QString kz_xsqsrq;
    QString sjhm2;
    QString total_cnt;
    QString projid;
    QString rowcount;
    QString zt;
    QString cpcode;
    QString cpid;
    QString kz_xszzrq;
    QString cpmc;
    QString ksrq;
    QString xtqx;
    QString cpfxgm;
    QString oaid;
    QString yhzh;
    QString yqnsy;
    QString projcode;
    QString htje;
    QString syqksrq;
};

Q_DECLARE_METATYPE(PurchasedProductsModel)
