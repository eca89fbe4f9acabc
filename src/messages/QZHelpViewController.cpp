#include "QZHelpViewController.h"

#include "ui_QZHelpViewController.h"

QZHelpViewController::QZHelpViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZHelpViewController)
{
    m_ui->setupUi(this);
}

QZHelpViewController::~QZHelpViewController()
{
    delete m_ui;
}

void QZHelpViewController::initNav()
{
    setTitle(QStringLiteral("帮助中心"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZHelpViewController::initUI()
{
    m_ui->titleLabel->setText(m_string);
    m_ui->webView->loadHTMLString(m_detailString);
}

void QZHelpViewController::LeftNavigationButtonClick()
{
    goBack();
}
