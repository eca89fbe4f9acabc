#pragma once

#include "PagedList.h"
#include "RootViewController.h"
#include "ServerChange.h"
#include "TableView.h"
#include "modelForAppointedProd.h"

namespace Ui {
class QZAppointmentedViewController;
}

// "已预约的产品": the customer's bookings page by page, those being processed first; a
// booking being processed can be deleted at once. Without bookings the screen offers the
// way to the products.
class QZAppointmentedViewController final : public RootViewController,
                                            private TableViewDataSource,
                                            private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZAppointmentedViewController)

public:
    explicit QZAppointmentedViewController(QWidget *parent = nullptr);
    ~QZAppointmentedViewController() override;

    const QList<modelForAppointedProd> &dataArray() const { return m_dataArray; }
    void footerRereshing();

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void initData() override;
    void deleteBooking(const modelForAppointedProd &booking);
    void goToProducts();

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    Ui::QZAppointmentedViewController *m_ui;
    QList<modelForAppointedProd> m_dataArray;
    std::unique_ptr<PagedListLoader> m_pages;
    ServerChange m_delete;
};
