#pragma once

#include "HtmlTextViewController.h"

namespace Ui {
class QZHelpViewController;
}

// One answer of the help centre: the question as a heading, the answer as HTML.
class QZHelpViewController final : public HtmlTextViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZHelpViewController)

public:
    explicit QZHelpViewController(QWidget *parent = nullptr);
    ~QZHelpViewController() override;

private:
    Ui::QZHelpViewController *m_ui;
};
