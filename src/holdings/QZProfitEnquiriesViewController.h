#pragma once

#include "CustomerIncomeModel.h"
#include "RootViewController.h"
#include "SpecialTradeModel.h"
#include "TableView.h"
#include "UserMoneyModel.h"

namespace Ui {
class QZProfitEnquiriesViewController;
}

// The income detail of one contract, titled with its product: the annualised yield, the
// principal and income, the term's progress and every distribution. It asks for the
// contract's special transactions (to learn whether the customer received it by transfer)
// and its distributions at once; the header is built from the distributions' answer.
class QZProfitEnquiriesViewController final : public RootViewController,
                                              private TableViewDataSource,
                                              private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZProfitEnquiriesViewController)
    Q_PROPERTY(UserMoneyModel model READ model WRITE setModel)

public:
    explicit QZProfitEnquiriesViewController(QWidget *parent = nullptr);
    ~QZProfitEnquiriesViewController() override;

    UserMoneyModel model() const { return m_model; }
    void setModel(const UserMoneyModel &model) { m_model = model; }
    const QList<CustomerIncomeModel> &profitDataArray() const { return m_profitDataArray; }
    // "转让" once the special transactions show the customer received the contract.
    QString isTranserReceiver() const { return m_isTranserReceiver; }

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void initData() override;
    void showHeader();

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    Ui::QZProfitEnquiriesViewController *m_ui;
    UserMoneyModel m_model;
    QList<CustomerIncomeModel> m_profitDataArray;
    QList<SpecialTradeModel> m_specialDataArray;
    QString m_isTranserReceiver;
};
