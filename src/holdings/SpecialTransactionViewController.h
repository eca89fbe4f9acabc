#pragma once

#include "DateFilteredListScreen.h"
#include "SpecialTradeModel.h"
#include "UserMoneyModel.h"

namespace Ui {
class SpecialTransactionViewController;
}

// "特殊交易": the transfers and redemptions of one contract, asked for when the screen
// opens and filtered by their effective date; a row opens its detail.
class SpecialTransactionViewController final : public DateFilteredListScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpecialTransactionViewController)
    Q_PROPERTY(UserMoneyModel htModel READ htModel WRITE setHtModel)

public:
    explicit SpecialTransactionViewController(QWidget *parent = nullptr);
    ~SpecialTransactionViewController() override;

    UserMoneyModel htModel() const { return m_htModel; }
    void setHtModel(const UserMoneyModel &model) { m_htModel = model; }
    const QList<SpecialTradeModel> &specialDataArray() const { return m_specialDataArray; }

private:
    void initData() override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    Ui::SpecialTransactionViewController *m_ui;
    UserMoneyModel m_htModel;
    QList<SpecialTradeModel> m_specialDataArray;
};
