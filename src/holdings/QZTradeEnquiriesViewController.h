#pragma once

#include "RootViewController.h"
#include "UserMoneyModel.h"

namespace Ui {
class QZTradeEnquiriesViewController;
}

// "合同详情": the terms of one contract as the customer signed them.
class QZTradeEnquiriesViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZTradeEnquiriesViewController)
    Q_PROPERTY(UserMoneyModel htModel READ htModel WRITE setHtModel)

public:
    explicit QZTradeEnquiriesViewController(QWidget *parent = nullptr);
    ~QZTradeEnquiriesViewController() override;

    UserMoneyModel htModel() const { return m_htModel; }
    void setHtModel(const UserMoneyModel &model) { m_htModel = model; }

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;

    Ui::QZTradeEnquiriesViewController *m_ui;
    UserMoneyModel m_htModel;
};
