#pragma once

#include <QMetaType>
#include <QString>

// One customer activity or questionnaire, as "164008" answers it.
class QZActivityModel
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString activity_name MEMBER activity_name)
    Q_PROPERTY(QString show_title MEMBER show_title)
    Q_PROPERTY(QString acti_type MEMBER acti_type)
    Q_PROPERTY(QString booking_start_time MEMBER booking_start_time)
    Q_PROPERTY(QString booking_end_time MEMBER booking_end_time)
    Q_PROPERTY(QString system_time MEMBER system_time)
    Q_PROPERTY(QString activity_status MEMBER activity_status)
    Q_PROPERTY(QString part_number MEMBER part_number)
    Q_PROPERTY(QString part_type MEMBER part_type)
    Q_PROPERTY(QString activity_cust MEMBER activity_cust)
    Q_PROPERTY(QString start_time MEMBER start_time)
    Q_PROPERTY(QString end_time MEMBER end_time)
    Q_PROPERTY(QString activity_place MEMBER activity_place)
    Q_PROPERTY(QString activity_detail MEMBER activity_detail)
    Q_PROPERTY(QString rela_path MEMBER rela_path)
    Q_PROPERTY(QString is_new MEMBER is_new)
    Q_PROPERTY(QString file_id MEMBER file_id)
    Q_PROPERTY(QString attach_name MEMBER attach_name)
    Q_PROPERTY(QString create_user MEMBER create_user)
    Q_PROPERTY(QString create_time MEMBER create_time)
    Q_PROPERTY(QString update_user MEMBER update_user)
    Q_PROPERTY(QString update_time MEMBER update_time)
    Q_PROPERTY(QString operdate MEMBER operdate)
    Q_PROPERTY(QString rn MEMBER rn)

public:
    QString id;
    QString activity_name;
    QString show_title;
    QString acti_type;
    QString booking_start_time;
    QString booking_end_time;
    QString system_time;
    QString activity_status;
    QString part_number;
    QString part_type;
    QString activity_cust;
    QString start_time;
    QString end_time;
    QString activity_place;
    QString activity_detail;
    QString rela_path;
    QString is_new;
    QString file_id;
    QString attach_name;
    QString create_user;
    QString create_time;
    QString update_user;
    QString update_time;
    QString operdate;
    QString rn;
};

Q_DECLARE_METATYPE(QZActivityModel)
