#pragma once

#include <QMetaType>
#include <QString>

// One gift of the points catalogue, as "170003" answers it.
class ScoreModel
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString lpmc MEMBER lpmc)
    Q_PROPERTY(QString category_id MEMBER category_id)
    Q_PROPERTY(QString point MEMBER point)
    Q_PROPERTY(QString scjg MEMBER scjg)
    Q_PROPERTY(QString total_num MEMBER total_num)
    Q_PROPERTY(QString rela_path MEMBER rela_path)
    Q_PROPERTY(QString supplier MEMBER supplier)
    Q_PROPERTY(QString supplier_address MEMBER supplier_address)
    Q_PROPERTY(QString supplier_origin MEMBER supplier_origin)
    Q_PROPERTY(QString supplier_tel MEMBER supplier_tel)
    Q_PROPERTY(QString pstatus MEMBER pstatus)
    Q_PROPERTY(QString file_id MEMBER file_id)
    Q_PROPERTY(QString cjr MEMBER cjr)
    Q_PROPERTY(QString cjsj MEMBER cjsj)
    Q_PROPERTY(QString remaining MEMBER remaining)
    Q_PROPERTY(QString bz MEMBER bz)

public:
    QString id;
    QString lpmc;
    QString category_id;
    QString point;
    QString scjg;
    QString total_num;
    QString rela_path;
    QString supplier;
    QString supplier_address;
    QString supplier_origin;
    QString supplier_tel;
    QString pstatus;
    QString file_id;
    QString cjr;
    QString cjsj;
    QString remaining;
    QString bz;
};

Q_DECLARE_METATYPE(ScoreModel)
