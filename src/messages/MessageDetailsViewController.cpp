#include "MessageDetailsViewController.h"

#include "ui_MessageDetailsViewController.h"

#include "NotificationCenter.h"

#include <QUrl>

MessageDetailsViewController::MessageDetailsViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::MessageDetailsViewController)
{
    m_ui->setupUi(this);
}

MessageDetailsViewController::~MessageDetailsViewController()
{
    delete m_ui;
}

void MessageDetailsViewController::initNav()
{
    setTitle(QString());
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void MessageDetailsViewController::initUI()
{
    m_ui->contentWebView->loadRequest(QUrl(m_detailsUrl));
}

void MessageDetailsViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}
