#pragma once

#include <QMetaType>
#include <QString>

// One announcement of a product, with its HTML body and an optional attached document.
class ProductAnnouncementsModel
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString update_time MEMBER update_time)
    Q_PROPERTY(QString w_cpmc MEMBER w_cpmc)
    Q_PROPERTY(QString is_display MEMBER is_display)
    Q_PROPERTY(QString notice_level MEMBER notice_level)
    Q_PROPERTY(QString file_id MEMBER file_id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString create_user MEMBER create_user)
    Q_PROPERTY(QString prod_code MEMBER prod_code)
    Q_PROPERTY(QString update_user MEMBER update_user)
    Q_PROPERTY(QString create_time MEMBER create_time)
    Q_PROPERTY(QString rela_path MEMBER rela_path)
    Q_PROPERTY(QString status MEMBER status)
    Q_PROPERTY(QString content MEMBER content)

public:
    QString id;
    QString update_time;
    QString w_cpmc;
    QString is_display;
    QString notice_level;
    QString file_id;
    QString title; // shown as the announcement's title
    QString create_user;
    QString prod_code;
    QString update_user;
    QString create_time;
    QString rela_path; // attached document on the media server
    QString status;
    QString content; // HTML body
};

Q_DECLARE_METATYPE(ProductAnnouncementsModel)
