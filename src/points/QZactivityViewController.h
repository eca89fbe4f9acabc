#pragma once

#include "PagedList.h"
#include "QZActivityBookingModel.h"
#include "RootViewController.h"
#include "TableView.h"

#include <memory>

namespace Ui {
class QZactivityViewController;
}

// "客户活动" of the account: the activities the customer registered for, page by page, with
// the hotline for changes; without any, a way to the activity catalogue.
class QZactivityViewController final : public RootViewController,
                                       private TableViewDataSource,
                                       private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZactivityViewController)

public:
    explicit QZactivityViewController(QWidget *parent = nullptr);
    ~QZactivityViewController() override;

    const QList<QZActivityBookingModel> &dataArray() const { return m_dataArray; }
    void footerRereshing();
    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    void showEmptyState(bool empty);

    Ui::QZactivityViewController *m_ui;
    QList<QZActivityBookingModel> m_dataArray;
    std::unique_ptr<PagedListLoader> m_pages;
};
