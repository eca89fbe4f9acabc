#pragma once

#include <QMetaType>
#include <QString>

// A splash advertisement; only rela_path (the picture) is used.
class AdvertisementModel
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString is_display MEMBER is_display)
    Q_PROPERTY(QString attach_name MEMBER attach_name)
    Q_PROPERTY(QString file_id MEMBER file_id)
    Q_PROPERTY(QString create_user MEMBER create_user)
    Q_PROPERTY(QString loading_name MEMBER loading_name)
    Q_PROPERTY(QString update_user MEMBER update_user)
    Q_PROPERTY(QString create_time MEMBER create_time)
    Q_PROPERTY(QString sort_num MEMBER sort_num)
    Q_PROPERTY(QString update_time MEMBER update_time)
    Q_PROPERTY(QString rela_path MEMBER rela_path)

public:
    QString id;
    QString is_display;
    QString attach_name;
    QString file_id;
    QString create_user;
    QString loading_name;
    QString update_user;
    QString create_time;
    QString sort_num;
    QString update_time;
    QString rela_path;
};

Q_DECLARE_METATYPE(AdvertisementModel)
