#pragma once

#include "PagedList.h"
#include "QZActivityModel.h"
#include "RootViewController.h"
#include "TableView.h"

#include <memory>

namespace Ui {
class QZCustomViewController;
}

// "客户活动": the catalogue of activities and questionnaires, newest registration period
// first, one section each under its period, coloured while the period is open; a row or its
// state button opens the activity.
class QZCustomViewController final : public RootViewController,
                                     private TableViewDataSource,
                                     private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZCustomViewController)

public:
    explicit QZCustomViewController(QWidget *parent = nullptr);
    ~QZCustomViewController() override;

    const QList<QZActivityModel> &dataArray() const { return m_activities->records(); }
    void footerRereshing();
    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    int numberOfSectionsInTableView(TableView *tableView) override;
    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    int heightForHeaderInSection(TableView *tableView, int section) override;
    QWidget *viewForHeaderInSection(TableView *tableView, int section) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    void stateButtonClick(int tag);
    void openActivity(int section);

    Ui::QZCustomViewController *m_ui;
    std::unique_ptr<PagedList<QZActivityModel>> m_activities;
};
