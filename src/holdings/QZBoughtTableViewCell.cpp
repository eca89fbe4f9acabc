#include "QZBoughtTableViewCell.h"

#include "ui_QZBoughtTableViewCell.h"

#include "HoldingsTexts.h"
#include "UiColor.h"
#include "UiImage.h"

const QString QZBoughtTableViewCell::kReuseIdentifier = QStringLiteral("cell");

QZBoughtTableViewCell::QZBoughtTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZBoughtTableViewCell)
{
    m_ui->setupUi(this);
    setBackgroundColor(UiColor::background());
    setSeparatorVisible(false);
    m_ui->tsjyImage->setPixmap(UiImage::pixmap(QStringLiteral("tsjy")));
}

QZBoughtTableViewCell::~QZBoughtTableViewCell()
{
    delete m_ui;
}

void QZBoughtTableViewCell::setContract(const UserMoneyModel &contract)
{
    m_ui->nameLabel->setText(contract.cpqc);
    // Black while the contract holds money, grey once it is paid back.
    m_ui->nameLabel->setStyleSheet(HoldingsTexts::isPaidBack(contract)
                                       ? QStringLiteral("color: #9a9a9a;")
                                       : QStringLiteral("color: #000000;"));
    m_ui->tsjyImage->setVisible(contract.tsjybs == QLatin1String("1"));
    m_ui->dataLabel->setText(HoldingsTexts::boughtDate(contract.syqksrq));
    m_ui->moneyLabel->setText(HoldingsTexts::truncatedTenThousands(contract.htje));
}
