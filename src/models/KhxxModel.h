#pragma once

#include <QMetaType>
#include <QString>

// The customer information of the settings screen, as "166000" answers it.
class KhxxModel
{
    Q_GADGET
    Q_PROPERTY(QString xb MEMBER xb)
    Q_PROPERTY(QString nickname MEMBER nickname)
    Q_PROPERTY(QString birthday MEMBER birthday)
    Q_PROPERTY(QString txfjid MEMBER txfjid)
    Q_PROPERTY(QString sjhm MEMBER sjhm)
    Q_PROPERTY(QString gddh MEMBER gddh)
    Q_PROPERTY(QString yxdz MEMBER yxdz)
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString khxm MEMBER khxm)
    Q_PROPERTY(QString khlx MEMBER khlx)
    Q_PROPERTY(QString khzt MEMBER khzt)
    Q_PROPERTY(QString khmm MEMBER khmm)
    Q_PROPERTY(QString khzh MEMBER khzh)
    Q_PROPERTY(QString crmkhbh MEMBER crmkhbh)
    Q_PROPERTY(QString takhbh MEMBER takhbh)
    Q_PROPERTY(QString zjlx MEMBER zjlx)
    Q_PROPERTY(QString zjhm MEMBER zjhm)
    Q_PROPERTY(QString zjyxq MEMBER zjyxq)
    Q_PROPERTY(QString zjfzjg MEMBER zjfzjg)
    Q_PROPERTY(QString sfzmid MEMBER sfzmid)
    Q_PROPERTY(QString srzmid MEMBER srzmid)
    Q_PROPERTY(QString rela_path MEMBER rela_path)
    Q_PROPERTY(QString txdz MEMBER txdz)
    Q_PROPERTY(QString yzbm MEMBER yzbm)
    Q_PROPERTY(QString gj MEMBER gj)
    Q_PROPERTY(QString zy MEMBER zy)
    Q_PROPERTY(QString hy MEMBER hy)
    Q_PROPERTY(QString jyfw MEMBER jyfw)
    Q_PROPERTY(QString cz MEMBER cz)
    Q_PROPERTY(QString zcsj MEMBER zcsj)
    Q_PROPERTY(QString shzt MEMBER shzt)
    Q_PROPERTY(QString check_advice MEMBER check_advice)
    Q_PROPERTY(QString available_integral MEMBER available_integral)
    Q_PROPERTY(QString his_totalpoint MEMBER his_totalpoint)
    Q_PROPERTY(QString system_type MEMBER system_type)
    Q_PROPERTY(QString last_login_time MEMBER last_login_time)
    Q_PROPERTY(QString temp_login_time MEMBER temp_login_time)

public:
    QString xb;
    QString nickname;
    QString birthday;
    QString txfjid;
    QString sjhm;
    QString gddh;
    QString yxdz;
    QString khbh;
    QString khxm;
    QString khlx;
    QString khzt;
    QString khmm;
    QString khzh;
    QString crmkhbh;
    QString takhbh;
    QString zjlx;
    QString zjhm;
    QString zjyxq;
    QString zjfzjg;
    QString sfzmid;
    QString srzmid;
    QString rela_path;
    QString txdz;
    QString yzbm;
    QString gj;
    QString zy;
    QString hy;
    QString jyfw;
    QString cz;
    QString zcsj;
    QString shzt;
    QString check_advice;
    QString available_integral;
    QString his_totalpoint;
    QString system_type;
    QString last_login_time;
    QString temp_login_time;
};

Q_DECLARE_METATYPE(KhxxModel)
