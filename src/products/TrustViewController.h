#pragma once

#include "PagedList.h"
#include "RootViewController.h"
#include "TableView.h"
#include "TrustProductModel.h"

#include <memory>

namespace Ui {
class TrustViewController;
}

// "证券信托产品": the securities trusts page by page; a row opens the trust detail.
class TrustViewController : public RootViewController,
                            public TableViewDataSource,
                            public TableViewDelegate
{
    Q_OBJECT

public:
    explicit TrustViewController(QWidget *parent = nullptr);
    ~TrustViewController() override;

    const QList<TrustProductModel> &dataArray() const { return m_trusts->records(); }
    void footerRereshing();
    void LeftNavigationButtonClick() override;

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

protected:
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    Ui::TrustViewController *m_ui;
    std::unique_ptr<PagedList<TrustProductModel>> m_trusts;
};
