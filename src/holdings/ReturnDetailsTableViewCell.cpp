#include "ReturnDetailsTableViewCell.h"

#include "ui_ReturnDetailsTableViewCell.h"

#include "HoldingsTexts.h"
#include "UiColor.h"

const QString ReturnDetailsTableViewCell::kReuseIdentifier = QStringLiteral("cell");

ReturnDetailsTableViewCell::ReturnDetailsTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::ReturnDetailsTableViewCell)
{
    m_ui->setupUi(this);
    setBackgroundColor(UiColor::background());
    setSeparatorVisible(false);
}

ReturnDetailsTableViewCell::~ReturnDetailsTableViewCell()
{
    delete m_ui;
}

void ReturnDetailsTableViewCell::setIncome(const ReturnDetailsModel &income)
{
    m_ui->sysjLabel->setText(HoldingsTexts::profitDate(income.fprq));
    m_ui->isFh->setText(HoldingsTexts::profitKind(income.fhfs));
    m_ui->syjeLabel->setText(HoldingsTexts::profitAmount(income.fpje));
    m_ui->cpmcLabel->setText(income.syqmc);
}
