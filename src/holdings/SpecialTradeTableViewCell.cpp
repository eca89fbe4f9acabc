#include "SpecialTradeTableViewCell.h"

#include "ui_SpecialTradeTableViewCell.h"

#include "HoldingsTexts.h"
#include "UiColor.h"
#include "UiImage.h"

const QString SpecialTradeTableViewCell::kReuseIdentifier = QStringLiteral("cell");

SpecialTradeTableViewCell::SpecialTradeTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::SpecialTradeTableViewCell)
{
    m_ui->setupUi(this);
    setBackgroundColor(UiColor::background());
    setSeparatorVisible(false);
}

SpecialTradeTableViewCell::~SpecialTradeTableViewCell()
{
    delete m_ui;
}

void SpecialTradeTableViewCell::setTrade(const QString &cpqc, const SpecialTradeModel &trade)
{
    m_ui->nameLabel->setText(cpqc);
    m_ui->stateImage->setPixmap(UiImage::pixmap(HoldingsTexts::specialImage(trade.jylx)));
    m_ui->jeLabel->setText(HoldingsTexts::specialAmount(trade.je));
    m_ui->dataLabel->setText(HoldingsTexts::specialDate(trade.sxrq));
}
