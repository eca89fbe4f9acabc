#pragma once

#include "NetProductModel.h"
#include "RootViewController.h"
#include "TableView.h"

namespace Ui {
class TrustHistoryViewController;
}

// "净值详情": every net value of a trust, newest first, with its date.
class TrustHistoryViewController : public RootViewController,
                                   public TableViewDataSource,
                                   public TableViewDelegate
{
    Q_OBJECT
    Q_PROPERTY(QList<NetProductModel> jzDataArray READ jzDataArray WRITE setJzDataArray)

public:
    explicit TrustHistoryViewController(QWidget *parent = nullptr);
    ~TrustHistoryViewController() override;

    // Oldest first, as the trust detail received them.
    QList<NetProductModel> jzDataArray() const { return m_jzDataArray; }
    void setJzDataArray(const QList<NetProductModel> &jzDataArray) { m_jzDataArray = jzDataArray; }

    void LeftNavigationButtonClick() override;

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

protected:
    void initNav() override;
    void initUI() override;

private:
    Ui::TrustHistoryViewController *m_ui;
    QList<NetProductModel> m_jzDataArray;
};
