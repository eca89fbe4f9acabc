#include "TrustHYViewController.h"

#include "ui_TrustHYViewController.h"

#include "ResourceText.h"

TrustHYViewController::TrustHYViewController(QWidget *parent)
    : HtmlTextViewController(QStringLiteral("信托讲堂"), parent),
      m_ui(new Ui::TrustHYViewController)
{
    m_ui->setupUi(this);
    attach(nullptr, m_ui->webView);
    setDetailString(ResourceText::html(QStringLiteral("trust_hy")));
}

TrustHYViewController::~TrustHYViewController()
{
    delete m_ui;
}
