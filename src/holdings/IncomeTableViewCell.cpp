#include "IncomeTableViewCell.h"

#include "ui_IncomeTableViewCell.h"

#include "Formatting.h"
#include "HoldingsTexts.h"
#include "UiColor.h"

const QString IncomeTableViewCell::kReuseIdentifier = QStringLiteral("cell");

IncomeTableViewCell::IncomeTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent), m_ui(new Ui::IncomeTableViewCell)
{
    m_ui->setupUi(this);
    setBackgroundColor(UiColor::background());
    setSeparatorVisible(false);
    setSelectionStyleNone(true);
}

IncomeTableViewCell::~IncomeTableViewCell()
{
    delete m_ui;
}

void IncomeTableViewCell::setIncome(const CustomerIncomeModel &income)
{
    m_ui->fhfsLabel->setText(HoldingsTexts::incomeKind(income.fhfs));
    m_ui->ksrqLabel->setText(Formatting::GetFormateDate(income.fprq));
    m_ui->syjeLabel->setText(HoldingsTexts::incomeAmount(income.fpje));
}
