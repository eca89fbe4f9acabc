#include "HtmlTextViewController.h"

#include "WebView.h"

#include <QLabel>

HtmlTextViewController::HtmlTextViewController(const QString &screenTitle, QWidget *parent)
    : RootViewController(parent), m_screenTitle(screenTitle)
{
}

void HtmlTextViewController::attach(QLabel *headingLabel, WebView *webView)
{
    m_headingLabel = headingLabel;
    m_webView = webView;
}

void HtmlTextViewController::initNav()
{
    setTitle(m_screenTitle);
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void HtmlTextViewController::initUI()
{
    if (m_headingLabel)
        m_headingLabel->setText(m_string);
    if (m_webView)
        m_webView->loadHTMLString(m_detailString);
}

void HtmlTextViewController::LeftNavigationButtonClick()
{
    goBack();
}
