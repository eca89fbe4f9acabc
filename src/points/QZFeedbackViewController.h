#pragma once

#include "QZActivityModel.h"
#include "RootViewController.h"
#include "ServerChange.h"

namespace Ui {
class QZFeedbackViewController;
}

// "问卷调查": a free-text answer of at most 500 characters, with a telephone number if the
// customer wants one, sent once with "166018" (visitors too). An accepted answer is confirmed
// even after the customer has left, and the screen goes 2.5 s later if it is still there.
class QZFeedbackViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZFeedbackViewController)
    Q_PROPERTY(QZActivityModel activityModel READ activityModel WRITE setActivityModel)

public:
    explicit QZFeedbackViewController(QWidget *parent = nullptr);
    ~QZFeedbackViewController() override;

    QZActivityModel activityModel() const { return m_activityModel; }
    void setActivityModel(const QZActivityModel &model) { m_activityModel = model; }
    // How long the screen stays after an accepted answer: 2.5 s unless a test shortens it.
    void setPopDelay(int milliseconds) { m_popDelay = milliseconds; }

    void LeftNavigationButtonClick() override;
    void commitButtonClick();

protected:
    void initNav() override;
    void initUI() override;
    // A line break typed in the answer ends editing instead.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void textViewDidChange();

    Ui::QZFeedbackViewController *m_ui;
    QZActivityModel m_activityModel;
    ServerChange m_answer;
    int m_popDelay = 2500;
};
