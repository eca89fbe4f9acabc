#pragma once

#include "HtmlTextViewController.h"

namespace Ui {
class TrustHYViewController;
}

// "信托讲堂": the introduction to the trust industry reached from the classroom's header.
class TrustHYViewController : public HtmlTextViewController
{
    Q_OBJECT

public:
    explicit TrustHYViewController(QWidget *parent = nullptr);
    ~TrustHYViewController() override;

private:
    Ui::TrustHYViewController *m_ui;
};
