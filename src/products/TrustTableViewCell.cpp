#include "TrustTableViewCell.h"

#include "ui_TrustTableViewCell.h"

#include "ProductTexts.h"
#include "UiColor.h"

const QString TrustTableViewCell::kReuseIdentifier = QStringLiteral("cell");

TrustTableViewCell::TrustTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent), m_ui(new Ui::TrustTableViewCell)
{
    m_ui->setupUi(this);
    m_ui->isrx->raise(); // the badge sits over the card's corner
    setSeparatorVisible(false);
    setBackgroundColor(UiColor::background());
}

TrustTableViewCell::~TrustTableViewCell()
{
    delete m_ui;
}

void TrustTableViewCell::show(const TrustProductModel &trust)
{
    // The hot-sale badge stays in its place unless the trust is marked "2".
    m_ui->isrx->setVisible(trust.w_sfrx != QLatin1String("2"));
    m_ui->title->setText(trust.w_cpmc);
    m_ui->yqnhsyl->setText(trust.zxjz);
    m_ui->rgqd->setText(ProductTexts::trustListStartAmount(trust.w_qdje));
    m_ui->cxqx->setText(trust.w_xtqx);
}
