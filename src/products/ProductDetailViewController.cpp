#include "ProductDetailViewController.h"

#include "ui_ProductDetailViewController.h"

#include "BaseNavigationViewController.h"
#include "MediaUrl.h"
#include "ProductAnnouncementViewController.h"

ProductDetailViewController::ProductDetailViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::ProductDetailViewController)
{
    m_ui->setupUi(this);
}

ProductDetailViewController::~ProductDetailViewController()
{
    delete m_ui;
}

void ProductDetailViewController::initNav()
{
    setTitle(QStringLiteral("公告详情"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void ProductDetailViewController::initUI()
{
    m_ui->cpmcLabel->setText(m_model.title);
    // Pictures in the body are server paths; without a base URL they need the media host.
    m_ui->contentWebView->loadHTMLString(MediaUrl::absoluteHtml(m_model.content));
    connect(m_ui->ckfjButton, &QPushButton::clicked, this, [this]() {
        auto *attachment = new ProductAnnouncementViewController;
        attachment->setModel(m_model);
        navigationController()->pushViewController(attachment, true);
    });
}

void ProductDetailViewController::LeftNavigationButtonClick()
{
    goBack();
}
