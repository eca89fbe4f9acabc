#pragma once

#include "DateFilteredListScreen.h"
#include "ReturnDetailsModel.h"

namespace Ui {
class QZProfitViewController;
}

// "已分配收益": the income distributed to the customer, as the account overview hands it
// over, filtered by distribution date and contract start.
class QZProfitViewController final : public DateFilteredListScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZProfitViewController)
    Q_PROPERTY(QList<ReturnDetailsModel> profitArray READ profitArray WRITE setProfitArray)

public:
    explicit QZProfitViewController(QWidget *parent = nullptr);
    ~QZProfitViewController() override;

    const QList<ReturnDetailsModel> &profitArray() const { return m_profitArray; }
    void setProfitArray(const QList<ReturnDetailsModel> &incomes);

private:
    void initData() override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    Ui::QZProfitViewController *m_ui;
    QList<ReturnDetailsModel> m_profitArray;
};
