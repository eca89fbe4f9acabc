#include "TrustClassDetailViewController.h"

#include "ui_TrustClassDetailViewController.h"

TrustClassDetailViewController::TrustClassDetailViewController(QWidget *parent)
    : HtmlTextViewController(QStringLiteral("信托讲堂"), parent),
      m_ui(new Ui::TrustClassDetailViewController)
{
    m_ui->setupUi(this);
    attach(m_ui->titleLabel, m_ui->contentWebView);
}

TrustClassDetailViewController::~TrustClassDetailViewController()
{
    delete m_ui;
}
