#pragma once

#include "RootViewController.h"

namespace Ui {
class QZRegister3ViewController;
}

// "注册", last step: the account is open; on to the account tab or the products tab.
class QZRegister3ViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZRegister3ViewController)

public:
    explicit QZRegister3ViewController(QWidget *parent = nullptr);
    ~QZRegister3ViewController() override;

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;

    Ui::QZRegister3ViewController *m_ui;
};
