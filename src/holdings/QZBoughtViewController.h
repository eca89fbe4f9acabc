#pragma once

#include "DateFilteredListScreen.h"
#include "UserMoneyModel.h"

namespace Ui {
class QZBoughtViewController;
}

// "已购买的产品": the contracts the account overview hands over, filtered by the start
// date of their beneficial right; a row opens the product's detail.
class QZBoughtViewController final : public DateFilteredListScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZBoughtViewController)
    Q_PROPERTY(QList<UserMoneyModel> userMoneyDataArray READ userMoneyDataArray WRITE
                   setUserMoneyDataArray)

public:
    explicit QZBoughtViewController(QWidget *parent = nullptr);
    ~QZBoughtViewController() override;

    const QList<UserMoneyModel> &userMoneyDataArray() const { return m_userMoneyDataArray; }
    void setUserMoneyDataArray(const QList<UserMoneyModel> &contracts);

private:
    void initData() override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    Ui::QZBoughtViewController *m_ui;
    QList<UserMoneyModel> m_userMoneyDataArray;
};
