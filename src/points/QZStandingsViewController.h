#pragma once

#include "RootViewController.h"
#include "TableView.h"

namespace Ui {
class QZStandingsViewController;
}
class SegmentedControl;

// "客户活动", the points screen's static sibling: the same two segments over ten empty rows,
// with no request behind them.
class QZStandingsViewController final : public RootViewController,
                                        private TableViewDataSource,
                                        private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZStandingsViewController)

public:
    explicit QZStandingsViewController(QWidget *parent = nullptr);
    ~QZStandingsViewController() override;

    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;

private:
    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    Ui::QZStandingsViewController *m_ui;
    SegmentedControl *m_segmentView;
};
