#pragma once

#include <QMetaType>
#include <QString>

// One special transaction (a transfer or a redemption) of a contract, as "80205038" answers it.
class SpecialTradeModel
{
    Q_GADGET
    Q_PROPERTY(QString jylx MEMBER jylx)
    Q_PROPERTY(QString je MEMBER je)
    Q_PROPERTY(QString sxrq MEMBER sxrq)
    Q_PROPERTY(QString cpdm MEMBER cpdm)
    Q_PROPERTY(QString syqdm MEMBER syqdm)
    Q_PROPERTY(QString crhtid MEMBER crhtid)
    Q_PROPERTY(QString zrxyid MEMBER zrxyid)
    Q_PROPERTY(QString zjlx MEMBER zjlx)
    Q_PROPERTY(QString zjhm MEMBER zjhm)
    Q_PROPERTY(QString khlx MEMBER khlx)
    Q_PROPERTY(QString crrxm MEMBER crrxm)
    Q_PROPERTY(QString tzzxm MEMBER tzzxm)
    Q_PROPERTY(QString targetinvestcerttype MEMBER targetinvestcerttype)
    Q_PROPERTY(QString targetinvestcertno MEMBER targetinvestcertno)
    Q_PROPERTY(QString targetinvesttype MEMBER targetinvesttype)
    Q_PROPERTY(QString srrxm MEMBER srrxm)
    Q_PROPERTY(QString sqsygs MEMBER sqsygs)
    Q_PROPERTY(QString zrqsygs MEMBER zrqsygs)
    Q_PROPERTY(QString zrdrsygs MEMBER zrdrsygs)
    Q_PROPERTY(QString zrhsygs MEMBER zrhsygs)
    Q_PROPERTY(QString shkfr MEMBER shkfr)
    Q_PROPERTY(QString shsqrq MEMBER shsqrq)
    Q_PROPERTY(QString htid MEMBER htid)
    Q_PROPERTY(QString targetinvestname MEMBER targetinvestname)
    Q_PROPERTY(QString total_cnt MEMBER total_cnt)
    Q_PROPERTY(QString rowcount MEMBER rowcount)

public:
    QString jylx;
    QString je;
    QString sxrq;
    QString cpdm;
    QString syqdm;
    QString crhtid;
    QString zrxyid;
    QString zjlx;
    QString zjhm;
    QString khlx;
    QString crrxm;
    QString tzzxm;
    QString targetinvestcerttype;
    QString targetinvestcertno;
    QString targetinvesttype;
    QString srrxm;
    QString sqsygs;
    QString zrqsygs;
    QString zrdrsygs;
    QString zrhsygs;
    QString shkfr;
    QString shsqrq;
    QString htid;
    QString targetinvestname;
    QString total_cnt;
    QString rowcount;
};

Q_DECLARE_METATYPE(SpecialTradeModel)
