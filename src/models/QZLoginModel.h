#pragma once

#include <QMetaType>
#include <QString>

// The customer as the sign-in answer returns it; registration and the credential
// changes answer with the same record. Fields are named like the answer's keys.
class QZLoginModel
{
    Q_GADGET
    Q_PROPERTY(QString gddh MEMBER gddh)
    Q_PROPERTY(QString zjhm MEMBER zjhm)
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString system_type MEMBER system_type)
    Q_PROPERTY(QString cz MEMBER cz)
    Q_PROPERTY(QString txdz MEMBER txdz)
    Q_PROPERTY(QString khlx MEMBER khlx)
    Q_PROPERTY(QString khmm MEMBER khmm)
    Q_PROPERTY(QString xb MEMBER xb)
    Q_PROPERTY(QString txfjid MEMBER txfjid)
    Q_PROPERTY(QString khxm MEMBER khxm)
    Q_PROPERTY(QString yzbm MEMBER yzbm)
    Q_PROPERTY(QString shzt MEMBER shzt)
    Q_PROPERTY(QString jyfw MEMBER jyfw)
    Q_PROPERTY(QString srzmid MEMBER srzmid)
    Q_PROPERTY(QString khzt MEMBER khzt)
    Q_PROPERTY(QString sfzmid MEMBER sfzmid)
    Q_PROPERTY(QString gj MEMBER gj)
    Q_PROPERTY(QString zjfzjg MEMBER zjfzjg)
    Q_PROPERTY(QString crmkhbh MEMBER crmkhbh)
    Q_PROPERTY(QString yxdz MEMBER yxdz)
    Q_PROPERTY(QString zcsj MEMBER zcsj)
    Q_PROPERTY(QString hy MEMBER hy)
    Q_PROPERTY(QString khzh MEMBER khzh)
    Q_PROPERTY(QString zjlx MEMBER zjlx)
    Q_PROPERTY(QString takhbh MEMBER takhbh)
    Q_PROPERTY(QString sjhm MEMBER sjhm)
    Q_PROPERTY(QString zjyxq MEMBER zjyxq)
    Q_PROPERTY(QString zy MEMBER zy)

public:
    QString gddh; // landline number
    QString zjhm; // document number
    QString khbh; // customer number
    QString system_type;
    QString cz;   // fax
    QString txdz; // postal address
    QString khlx; // customer type; holdings load only for "3"
    QString khmm; // password as the server holds it
    QString xb;   // sex
    QString txfjid;
    QString khxm; // name
    QString yzbm; // postcode
    QString shzt;
    QString jyfw;
    QString srzmid;
    QString khzt; // customer status
    QString sfzmid;
    QString gj;      // nationality
    QString zjfzjg;  // issuing authority
    QString crmkhbh; // customer number in the holdings system
    QString yxdz;    // e-mail address
    QString zcsj;    // registration time
    QString hy;
    QString khzh;
    QString zjlx; // document type code
    QString takhbh;
    QString sjhm;  // mobile number
    QString zjyxq; // document expiry
    QString zy;    // occupation
};

Q_DECLARE_METATYPE(QZLoginModel)
