#include "QZGuideViewController.h"

#include "ui_QZGuideViewController.h"

#include "NotificationCenter.h"

QZGuideViewController::QZGuideViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZGuideViewController)
{
    m_ui->setupUi(this);
}

QZGuideViewController::~QZGuideViewController()
{
    delete m_ui;
}

void QZGuideViewController::initNav()
{
    setTitle(QStringLiteral("用户指南"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZGuideViewController::initUI()
{
    m_ui->webView->setLinkHandler([this](const QUrl &url) { return followLink(url); });
    m_ui->webView->loadResourcePage(QStringLiteral("guide"));
}

bool QZGuideViewController::followLink(const QUrl &url)
{
    if (!url.toString().contains(QLatin1String("jump")))
        return false;
    pushScreenNamed(QStringLiteral("QZRegister1ViewController"),
                    {{QStringLiteral("belongto"), QStringLiteral("用户指南")}});
    return true;
}

void QZGuideViewController::LeftNavigationButtonClick()
{
    if (m_ui->webView->canGoBack()) {
        m_ui->webView->goBack();
        return;
    }
    goBack(Notification::Appearance);
}
