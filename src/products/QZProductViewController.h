#pragma once

#include "PagedList.h"
#include "RootViewController.h"
#include "TableView.h"
#include "modelForProd.h"

#include <memory>

namespace Ui {
class QZProductViewController;
}

// "热销产品", the root of the products tab: the products page by page; a row opens its detail.
class QZProductViewController : public RootViewController,
                                public TableViewDataSource,
                                public TableViewDelegate
{
    Q_OBJECT

public:
    explicit QZProductViewController(QWidget *parent = nullptr);
    ~QZProductViewController() override;

    const QList<modelForProd> &dataArray() const { return m_products->records(); }
    void footerRereshing();

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

protected:
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    Ui::QZProductViewController *m_ui;
    std::unique_ptr<PagedList<modelForProd>> m_products;
};
