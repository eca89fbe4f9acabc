#pragma once

#include "ProductAnnouncementsModel.h"
#include "RootViewController.h"

namespace Ui {
class ProductDetailViewController;
}

// "公告详情": one announcement's title and HTML body, with a button to its attached document.
class ProductDetailViewController : public RootViewController
{
    Q_OBJECT
    Q_PROPERTY(ProductAnnouncementsModel model READ model WRITE setModel)

public:
    explicit ProductDetailViewController(QWidget *parent = nullptr);
    ~ProductDetailViewController() override;

    ProductAnnouncementsModel model() const { return m_model; }
    void setModel(const ProductAnnouncementsModel &model) { m_model = model; }

    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;

private:
    Ui::ProductDetailViewController *m_ui;
    ProductAnnouncementsModel m_model;
};
