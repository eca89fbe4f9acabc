#pragma once

#include <QMetaType>
#include <QString>

// One activity registration of the customer, as "166004" answers it.
class QZActivityBookingModel
{
    Q_GADGET
    Q_PROPERTY(QString activity_name MEMBER activity_name)
    Q_PROPERTY(QString start_time MEMBER start_time)
    Q_PROPERTY(QString end_time MEMBER end_time)
    Q_PROPERTY(QString status MEMBER status)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString activity_id MEMBER activity_id)
    Q_PROPERTY(QString activity_detail MEMBER activity_detail)
    Q_PROPERTY(QString activity_status MEMBER activity_status)
    Q_PROPERTY(QString booking_start_time MEMBER booking_start_time)
    Q_PROPERTY(QString booking_end_time MEMBER booking_end_time)
    Q_PROPERTY(QString booking_time MEMBER booking_time)
    Q_PROPERTY(QString booking_count MEMBER booking_count)
    Q_PROPERTY(QString contact_name MEMBER contact_name)
    Q_PROPERTY(QString contact_number MEMBER contact_number)
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString khxm MEMBER khxm)
    Q_PROPERTY(QString sjhm MEMBER sjhm)
    Q_PROPERTY(QString zjhm MEMBER zjhm)
    Q_PROPERTY(QString system_type MEMBER system_type)
    Q_PROPERTY(QString visit_status MEMBER visit_status)
    Q_PROPERTY(QString visit_user MEMBER visit_user)
    Q_PROPERTY(QString visit_time MEMBER visit_time)
    Q_PROPERTY(QString visit_txt MEMBER visit_txt)

public:
    QString activity_name;
    QString start_time;
    QString end_time;
    QString status;
    QString id;
    QString activity_id;
    QString activity_detail;
    QString activity_status;
    QString booking_start_time;
    QString booking_end_time;
    QString booking_time;
    QString booking_count;
    QString contact_name;
    QString contact_number;
    QString khbh;
    QString khxm;
    QString sjhm;
    QString zjhm;
    QString system_type;
    QString visit_status;
    QString visit_user;
    QString visit_time;
    QString visit_txt;
};

Q_DECLARE_METATYPE(QZActivityBookingModel)
