#include "QZTradeEnquiriesViewController.h"

#include "ui_QZTradeEnquiriesViewController.h"

#include "Formatting.h"
#include "HoldingsTexts.h"

QZTradeEnquiriesViewController::QZTradeEnquiriesViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZTradeEnquiriesViewController)
{
    m_ui->setupUi(this);
}

QZTradeEnquiriesViewController::~QZTradeEnquiriesViewController()
{
    delete m_ui;
}

void QZTradeEnquiriesViewController::initNav()
{
    setTitle(QStringLiteral("合同详情"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZTradeEnquiriesViewController::initUI()
{
    m_ui->productName->setText(m_htModel.cpqc);
    m_ui->contractNumber->setText(m_htModel.contractno);
    m_ui->contractAmount->setText(HoldingsTexts::roundedTenThousands(m_htModel.htje));
    m_ui->contractDate->setText(Formatting::GetFormateDate(m_htModel.syqksrq));
    m_ui->allocatedAccount->setText(m_htModel.yhzh);
    m_ui->telphone->setText(m_htModel.sjhm);
    m_ui->syrxmLabel->setText(m_htModel.syrmc);
    m_ui->khhmcLabel->setText(m_htModel.yhmc);
    m_ui->htzzrqLabel->setText(Formatting::GetFormateDate(m_htModel.htdqr));
}

void QZTradeEnquiriesViewController::LeftNavigationButtonClick()
{
    goBack();
}
