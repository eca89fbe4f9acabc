#pragma once

#include "QZActivityModel.h"
#include "RootViewController.h"
#include "ServerChange.h"
#include "YbmNumberModel.h"

namespace Ui {
class QZAddCustomViewController;
}

// "客户活动": registering for an activity with a contact name, a telephone number and the
// number of people, checked against the places left when the detail asked ("166017") and
// sent once with "166005". An accepted registration is confirmed even after the customer has
// left the form, which goes 1.5 s after the confirmation if it is still there.
class QZAddCustomViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZAddCustomViewController)
    Q_PROPERTY(QZActivityModel activityModel READ activityModel WRITE setActivityModel)
    Q_PROPERTY(YbmNumberModel ybmModel READ ybmModel WRITE setYbmModel)

public:
    explicit QZAddCustomViewController(QWidget *parent = nullptr);
    ~QZAddCustomViewController() override;

    QZActivityModel activityModel() const { return m_activityModel; }
    void setActivityModel(const QZActivityModel &model) { m_activityModel = model; }
    YbmNumberModel ybmModel() const { return m_ybmModel; }
    void setYbmModel(const YbmNumberModel &model) { m_ybmModel = model; }
    // How long the form stays after an accepted registration: 1.5 s unless a test shortens it.
    void setPopDelay(int milliseconds) { m_popDelay = milliseconds; }

    void LeftNavigationButtonClick() override;
    void nextClick();

protected:
    void initNav() override;
    void initUI() override;

private:
    Ui::QZAddCustomViewController *m_ui;
    QZActivityModel m_activityModel;
    YbmNumberModel m_ybmModel;
    ServerChange m_registration;
    int m_popDelay = 1500;
};
