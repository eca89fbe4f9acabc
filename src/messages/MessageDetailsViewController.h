#pragma once

#include "RootViewController.h"

namespace Ui {
class MessageDetailsViewController;
}

// A page on the network that a carousel entry or a message links to, shown as it is.
class MessageDetailsViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageDetailsViewController)
    Q_PROPERTY(QString detailsUrl READ detailsUrl WRITE setDetailsUrl)
    Q_PROPERTY(QString urltarget_type READ urltarget_type WRITE setUrltarget_type)

public:
    explicit MessageDetailsViewController(QWidget *parent = nullptr);
    ~MessageDetailsViewController() override;

    QString detailsUrl() const { return m_detailsUrl; }
    void setDetailsUrl(const QString &url) { m_detailsUrl = url; }
    QString urltarget_type() const { return m_urltargetType; }
    void setUrltarget_type(const QString &type) { m_urltargetType = type; }

    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;

private:
    Ui::MessageDetailsViewController *m_ui;
    QString m_detailsUrl;
    QString m_urltargetType; // set by the opener, not used here
};
