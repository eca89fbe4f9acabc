#pragma once

#include "HtmlTextViewController.h"

namespace Ui {
class TrustClassDetailViewController;
}

// "信托讲堂": one of the classroom's legal texts.
class TrustClassDetailViewController : public HtmlTextViewController
{
    Q_OBJECT

public:
    explicit TrustClassDetailViewController(QWidget *parent = nullptr);
    ~TrustClassDetailViewController() override;

private:
    Ui::TrustClassDetailViewController *m_ui;
};
