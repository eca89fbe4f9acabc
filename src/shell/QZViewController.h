#pragma once

#include "RootViewController.h"
#include "TableView.h"

namespace Ui {
class QZViewController;
}

// The help centre: seven questions, each opening its answer page; a button along the
// bottom dials the service hotline.
class QZViewController : public RootViewController,
                         public TableViewDataSource,
                         public TableViewDelegate
{
    Q_OBJECT

public:
    explicit QZViewController(QWidget *parent = nullptr);
    ~QZViewController() override;

    void LeftNavigationButtonClick() override;

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

protected:
    void initNav() override;
    void initUI() override;

private:
    void openAnswer(int row);

    Ui::QZViewController *m_ui;
};
