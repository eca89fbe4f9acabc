#pragma once

#include "RootViewController.h"

namespace Ui {
class OnlineTradingViewController;
}

// "在线交易": how the company's customers book, subscribe and follow their trusts through
// the client, with the service hotline a tap away.
class OnlineTradingViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnlineTradingViewController)

public:
    explicit OnlineTradingViewController(QWidget *parent = nullptr);
    ~OnlineTradingViewController() override;

    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;

private:
    Ui::OnlineTradingViewController *m_ui;
};
