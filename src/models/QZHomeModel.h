#pragma once

#include <QMetaType>
#include <QString>

// One picture of the home-page carousel, as "164002" answers it.
class QZHomeModel
{
    Q_GADGET
    Q_PROPERTY(QString link_channel_name MEMBER link_channel_name)
    Q_PROPERTY(QString create_user MEMBER create_user)
    Q_PROPERTY(QString image_title MEMBER image_title)
    Q_PROPERTY(QString click_count MEMBER click_count)
    Q_PROPERTY(QString system_type MEMBER system_type)
    Q_PROPERTY(QString create_time MEMBER create_time)
    Q_PROPERTY(QString file_id MEMBER file_id)
    Q_PROPERTY(QString level_id MEMBER level_id)
    Q_PROPERTY(QString channel_name MEMBER channel_name)
    Q_PROPERTY(QString ad_name MEMBER ad_name)
    Q_PROPERTY(QString rela_path MEMBER rela_path)
    Q_PROPERTY(QString attach_name MEMBER attach_name)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString link_target MEMBER link_target)
    Q_PROPERTY(QString update_user MEMBER update_user)
    Q_PROPERTY(QString is_channel_link MEMBER is_channel_link)
    Q_PROPERTY(QString link_channel_id MEMBER link_channel_id)
    Q_PROPERTY(QString link_url MEMBER link_url)
    Q_PROPERTY(QString update_time MEMBER update_time)
    Q_PROPERTY(QString channel_id MEMBER channel_id)
    Q_PROPERTY(QString end_time MEMBER end_time)
    Q_PROPERTY(QString start_time MEMBER start_time)
    Q_PROPERTY(QString ad_type MEMBER ad_type)
    Q_PROPERTY(QString adspace_type MEMBER adspace_type)
    Q_PROPERTY(QString is_enabled MEMBER is_enabled)
    Q_PROPERTY(QString urltarget_type MEMBER urltarget_type)

public:
    QString link_channel_name;
    QString create_user;
    QString image_title;
    QString click_count;
    QString system_type;
    QString create_time;
    QString file_id;
    QString level_id;
    QString channel_name;
    QString ad_name;
    QString rela_path;
    QString attach_name;
    QString id;
    QString link_target;
    QString update_user;
    QString is_channel_link;
    QString link_channel_id;
    QString link_url;
    QString update_time;
    QString channel_id;
    QString end_time;
    QString start_time;
    QString ad_type;
    QString adspace_type;
    QString is_enabled;
    QString urltarget_type;
};

Q_DECLARE_METATYPE(QZHomeModel)
