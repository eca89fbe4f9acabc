#include "TrustHistoryTableViewCell.h"

#include "ui_TrustHistoryTableViewCell.h"

#include "Formatting.h"

const QString TrustHistoryTableViewCell::kReuseIdentifier =
    QStringLiteral("TrustHistoryTableViewCell");

TrustHistoryTableViewCell::TrustHistoryTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::TrustHistoryTableViewCell)
{
    m_ui->setupUi(this);
    setSelectionStyleNone(true);
}

TrustHistoryTableViewCell::~TrustHistoryTableViewCell()
{
    delete m_ui;
}

void TrustHistoryTableViewCell::setNetValue(const NetProductModel &netValue)
{
    m_ui->jzrqLabel->setText(Formatting::GetFormateDate(netValue.w_jzrq));
    m_ui->jzxqLabel->setText(netValue.w_jz);
}
