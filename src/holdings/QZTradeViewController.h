#pragma once

#include "DateFilteredListScreen.h"
#include "UserMoneyModel.h"

namespace Ui {
class QZTradeViewController;
}

// "未兑付本金": the contracts not yet paid back, as the account overview hands them over,
// filtered by their start date.
class QZTradeViewController final : public DateFilteredListScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZTradeViewController)
    Q_PROPERTY(QList<UserMoneyModel> userMoneyArray READ userMoneyArray WRITE setUserMoneyArray)

public:
    explicit QZTradeViewController(QWidget *parent = nullptr);
    ~QZTradeViewController() override;

    const QList<UserMoneyModel> &userMoneyArray() const { return m_userMoneyArray; }
    void setUserMoneyArray(const QList<UserMoneyModel> &contracts);

private:
    void initData() override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    Ui::QZTradeViewController *m_ui;
    QList<UserMoneyModel> m_userMoneyArray;
};
