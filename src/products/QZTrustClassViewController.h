#pragma once

#include "RootViewController.h"
#include "TableView.h"

namespace Ui {
class QZTrustClassViewController;
}

// "信托讲堂": three legal texts shipped with the client; the header opens the page on the
// trust industry.
class QZTrustClassViewController : public RootViewController,
                                   public TableViewDataSource,
                                   public TableViewDelegate
{
    Q_OBJECT

public:
    explicit QZTrustClassViewController(QWidget *parent = nullptr);
    ~QZTrustClassViewController() override;

    void LeftNavigationButtonClick() override;
    void openText(int row);

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

protected:
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    Ui::QZTrustClassViewController *m_ui;
    QStringList m_dataArray;       // the titles
    QStringList m_detailDataArray; // the HTML texts, same order
};
