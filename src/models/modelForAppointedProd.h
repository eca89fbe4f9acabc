#pragma once

#include <QMetaType>
#include <QString>

// One booking of a product by the customer, as "166002" answers it.
class modelForAppointedProd
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString khxm MEMBER khxm)
    Q_PROPERTY(QString sjhm MEMBER sjhm)
    Q_PROPERTY(QString zjhm MEMBER zjhm)
    Q_PROPERTY(QString cpdm MEMBER cpdm)
    Q_PROPERTY(QString w_cpmc MEMBER w_cpmc)
    Q_PROPERTY(QString w_xtgm MEMBER w_xtgm)
    Q_PROPERTY(QString w_xtqx MEMBER w_xtqx)
    Q_PROPERTY(QString w_yqnhsyl MEMBER w_yqnhsyl)
    Q_PROPERTY(QString yyje MEMBER yyje)
    Q_PROPERTY(QString yydh MEMBER yydh)
    Q_PROPERTY(QString yysj MEMBER yysj)
    Q_PROPERTY(QString yysj_ss MEMBER yysj_ss)
    Q_PROPERTY(QString yyzt MEMBER yyzt)
    Q_PROPERTY(QString back_content MEMBER back_content)
    Q_PROPERTY(QString system_type MEMBER system_type)

public:
    QString id;
    QString khbh;
    QString khxm;
    QString sjhm;
    QString zjhm;
    QString cpdm;
    QString w_cpmc;
    QString w_xtgm;
    QString w_xtqx;
    QString w_yqnhsyl;
    QString yyje;
    QString yydh;
    QString yysj;
    QString yysj_ss;
    QString yyzt;
    QString back_content;
    QString system_type;
};

Q_DECLARE_METATYPE(modelForAppointedProd)
