#include "OnlineTradingViewController.h"

#include "ui_OnlineTradingViewController.h"

#include "AppConfig.h"
#include "NotificationCenter.h"
#include "Telephone.h"
#include "UiColor.h"
#include "UiImage.h"

OnlineTradingViewController::OnlineTradingViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::OnlineTradingViewController)
{
    m_ui->setupUi(this);
    connect(m_ui->phoneButton, &QPushButton::clicked, this,
            [this]() { Telephone::callHotline(this); });
}

OnlineTradingViewController::~OnlineTradingViewController()
{
    delete m_ui;
}

void OnlineTradingViewController::initNav()
{
    setTitle(QStringLiteral("在线交易"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void OnlineTradingViewController::initUI()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, UiColor::getColor(QStringLiteral("f7f7f7")));
    setPalette(p);
    m_ui->phoneButton->setIcon(UiImage::named(QStringLiteral("call(42)")));
    m_ui->phoneButton->setText(QStringLiteral("拨打客服热线 %1").arg(AppConfig::hotlineDisplay()));
    m_ui->webView->loadResourcePage(QStringLiteral("online_trading"));
}

void OnlineTradingViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}
