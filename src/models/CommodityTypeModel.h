#pragma once

#include <QMetaType>
#include <QString>

// One gift category of the points catalogue, as "170001" answers it.
class CommodityTypeModel
{
    Q_GADGET
    Q_PROPERTY(qint64 id MEMBER id)
    Q_PROPERTY(QString category_name MEMBER category_name)
    Q_PROPERTY(QString category_explain MEMBER category_explain)
    Q_PROPERTY(QString pstatus MEMBER pstatus)
    Q_PROPERTY(QString cjr MEMBER cjr)
    Q_PROPERTY(QString cjsj MEMBER cjsj)

public:
    qint64 id = 0; // the category number, sent as a number
    QString category_name;
    QString category_explain;
    QString pstatus;
    QString cjr;
    QString cjsj;
};

Q_DECLARE_METATYPE(CommodityTypeModel)
