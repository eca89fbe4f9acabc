#pragma once

#include "RootViewController.h"
#include "ServerChange.h"

namespace Ui {
class GetphoneNumberViewController;
}
class DocumentTypePicker;

// "忘记密码", first step: the document type and number find the customer ("166021"),
// whose mobile number the second step sends a code to.
class GetphoneNumberViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GetphoneNumberViewController)

public:
    explicit GetphoneNumberViewController(QWidget *parent = nullptr);
    ~GetphoneNumberViewController() override;

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void next();

    Ui::GetphoneNumberViewController *m_ui;
    DocumentTypePicker *m_typePicker = nullptr;
    // Not a change, but sent once with a waiting button all the same: each answer opens
    // the second step.
    ServerChange m_find;
};
