#pragma once

#include "QZActivityModel.h"
#include "RootViewController.h"
#include "YbmNumberModel.h"

namespace Ui {
class QZCustomDetailViewController;
}

// "客户活动": one activity or questionnaire with its picture, place, time and description,
// and what this customer may do now: register online (after a look at the places left) or by
// telephone, or answer the questionnaire.
class QZCustomDetailViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZCustomDetailViewController)
    Q_PROPERTY(QZActivityModel model READ model WRITE setModel)

public:
    explicit QZCustomDetailViewController(QWidget *parent = nullptr);
    ~QZCustomDetailViewController() override;

    QZActivityModel model() const { return m_model; }
    void setModel(const QZActivityModel &model) { m_model = model; }
    const QList<YbmNumberModel> &ybmDataArray() const { return m_ybmDataArray; }

    void LeftNavigationButtonClick() override;
    void onlineClick();
    void phoneClick();
    void questionnaireClick();

protected:
    void initNav() override;
    void initUI() override;
    // The action area follows the session: a visitor who signs in from here comes back to it.
    void viewWillAppear(bool animated) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showActionArea();

    Ui::QZCustomDetailViewController *m_ui;
    QZActivityModel m_model;
    QList<YbmNumberModel> m_ybmDataArray;
    bool m_askingPlaces = false;
};
