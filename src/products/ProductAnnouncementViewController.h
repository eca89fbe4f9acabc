#pragma once

#include "ProductAnnouncementsModel.h"
#include "RootViewController.h"

namespace Ui {
class ProductAnnouncementViewController;
}

// "公告详情": downloads an announcement's attached document as "down_form.pdf" in the
// client's data folder (replacing the previous one) and shows it.
class ProductAnnouncementViewController : public RootViewController
{
    Q_OBJECT
    Q_PROPERTY(ProductAnnouncementsModel model READ model WRITE setModel)

public:
    explicit ProductAnnouncementViewController(QWidget *parent = nullptr);
    ~ProductAnnouncementViewController() override;

    ProductAnnouncementsModel model() const { return m_model; }
    void setModel(const ProductAnnouncementsModel &model) { m_model = model; }

    static QString documentPath();
    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    void showUnavailable();

    Ui::ProductAnnouncementViewController *m_ui;
    ProductAnnouncementsModel m_model;
};
