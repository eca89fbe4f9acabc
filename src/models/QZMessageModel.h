#pragma once

#include <QMetaType>
#include <QString>

// One message addressed to the customer, as "164010" answers it.
class QZMessageModel
{
    Q_GADGET
    Q_PROPERTY(QString message_type MEMBER message_type)
    Q_PROPERTY(QString message_title MEMBER message_title)
    Q_PROPERTY(QString obj_code MEMBER obj_code)
    Q_PROPERTY(QString send_time MEMBER send_time)
    Q_PROPERTY(QString message_status MEMBER message_status)
    Q_PROPERTY(QString target_id MEMBER target_id)
    Q_PROPERTY(QString obj_id MEMBER obj_id)
    Q_PROPERTY(QString w_cpdm MEMBER w_cpdm)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString rn MEMBER rn)
    Q_PROPERTY(QString send_cust MEMBER send_cust)
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString send_status MEMBER send_status)
    Q_PROPERTY(QString content MEMBER content)
    Q_PROPERTY(QString create_user MEMBER create_user)
    Q_PROPERTY(QString create_time MEMBER create_time)
    Q_PROPERTY(QString update_user MEMBER update_user)
    Q_PROPERTY(QString update_time MEMBER update_time)

public:
    QString message_type;
    QString message_title;
    QString obj_code;
    QString send_time;
    QString message_status;
    QString target_id;
    QString obj_id;
    QString w_cpdm;
    QString id;
    QString rn;
    QString send_cust;
    QString khbh;
    QString send_status;
    QString content;
    QString create_user;
    QString create_time;
    QString update_user;
    QString update_time;
};

Q_DECLARE_METATYPE(QZMessageModel)
