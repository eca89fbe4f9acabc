#pragma once

#include <QMetaType>
#include <QString>

// One company-news article, as "164006" answers it.
class QZInformationModel
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString brief MEMBER brief)
    Q_PROPERTY(QString source MEMBER source)
    Q_PROPERTY(QString begin_time MEMBER begin_time)
    Q_PROPERTY(QString article_type MEMBER article_type)
    Q_PROPERTY(QString content MEMBER content)
    Q_PROPERTY(QString author MEMBER author)
    Q_PROPERTY(QString status MEMBER status)
    Q_PROPERTY(QString system_type MEMBER system_type)
    Q_PROPERTY(QString keyword MEMBER keyword)
    Q_PROPERTY(QString create_time MEMBER create_time)
    Q_PROPERTY(QString create_user MEMBER create_user)
    Q_PROPERTY(QString is_new MEMBER is_new)
    Q_PROPERTY(QString is_static MEMBER is_static)
    Q_PROPERTY(QString show_title MEMBER show_title)
    Q_PROPERTY(QString is_head MEMBER is_head)
    Q_PROPERTY(QString channel_name MEMBER channel_name)
    Q_PROPERTY(QString channel_id MEMBER channel_id)
    Q_PROPERTY(QString check_advice MEMBER check_advice)
    Q_PROPERTY(QString check_user MEMBER check_user)
    Q_PROPERTY(QString update_user MEMBER update_user)
    Q_PROPERTY(QString update_time MEMBER update_time)
    Q_PROPERTY(QString is_recommend MEMBER is_recommend)
    Q_PROPERTY(QString static_url MEMBER static_url)
    Q_PROPERTY(QString end_time MEMBER end_time)

public:
    QString id;
    QString title;
    QString brief;
    QString source;
    QString begin_time;
    QString article_type;
    QString content;
    QString author;
    QString status;
    QString system_type;
    QString keyword;
    QString create_time;
    QString create_user;
    QString is_new;
    QString is_static;
    QString show_title;
    QString is_head;
    QString channel_name;
    QString channel_id;
    QString check_advice;
    QString check_user;
    QString update_user;
    QString update_time;
    QString is_recommend;
    QString static_url;
    QString end_time;
};

Q_DECLARE_METATYPE(QZInformationModel)
