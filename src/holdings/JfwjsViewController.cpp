#include "JfwjsViewController.h"

#include "ui_JfwjsViewController.h"

#include "NotificationCenter.h"
#include "UiColor.h"

JfwjsViewController::JfwjsViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::JfwjsViewController)
{
    m_ui->setupUi(this);
    connect(m_ui->pointsButton, &QPushButton::clicked, this,
            [this]() { pushScreenNamed(QStringLiteral("QZCollectionViewController")); });
}

JfwjsViewController::~JfwjsViewController()
{
    delete m_ui;
}

void JfwjsViewController::initNav()
{
    setTitle(QStringLiteral("积分管理"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void JfwjsViewController::initUI()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, UiColor::getColor(QStringLiteral("f7f7f7")));
    setPalette(p);
}

void JfwjsViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}
