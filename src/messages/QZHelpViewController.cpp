#include "QZHelpViewController.h"

#include "ui_QZHelpViewController.h"

QZHelpViewController::QZHelpViewController(QWidget *parent)
    : HtmlTextViewController(QStringLiteral("帮助中心"), parent), m_ui(new Ui::QZHelpViewController)
{
    m_ui->setupUi(this);
    attach(m_ui->titleLabel, m_ui->webView);
}

QZHelpViewController::~QZHelpViewController()
{
    delete m_ui;
}
