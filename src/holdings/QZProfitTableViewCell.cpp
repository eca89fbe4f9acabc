#include "QZProfitTableViewCell.h"

#include "ui_QZProfitTableViewCell.h"

#include "Formatting.h"
#include "HoldingsTexts.h"
#include "UiColor.h"

const QString QZProfitTableViewCell::kReuseIdentifier = QStringLiteral("cell");

QZProfitTableViewCell::QZProfitTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZProfitTableViewCell)
{
    m_ui->setupUi(this);
    setBackgroundColor(UiColor::background());
    setSeparatorVisible(false);
}

QZProfitTableViewCell::~QZProfitTableViewCell()
{
    delete m_ui;
}

void QZProfitTableViewCell::setContract(const UserMoneyModel &contract)
{
    m_ui->nameLabel->setText(HoldingsTexts::tradeName(contract));
    m_ui->jeLabel->setText(HoldingsTexts::tradeAmount(contract.htyxje));
    m_ui->dataLabel->setText(Formatting::GetFormateDate(contract.ksrq));
}
