#include "QZProductTableViewCell.h"

#include "ui_QZProductTableViewCell.h"

#include "ProductTexts.h"
#include "UiColor.h"
#include "UiImage.h"

const QString QZProductTableViewCell::kReuseIdentifier = QStringLiteral("cell");

QZProductTableViewCell::QZProductTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZProductTableViewCell)
{
    m_ui->setupUi(this);
    m_ui->isrx->raise(); // the badge sits over the card's corner
    setSeparatorVisible(false);
    setBackgroundColor(UiColor::background());
}

QZProductTableViewCell::~QZProductTableViewCell()
{
    delete m_ui;
}

void QZProductTableViewCell::show(const modelForProd &product)
{
    m_ui->isrx->setPixmap(UiImage::pixmap(ProductTexts::saleBadgeImage(product.w_xszt)));
    m_ui->title->setText(product.w_cpmc);
    m_ui->yqnhsyl->setText(ProductTexts::yieldText(product.w_yqnhsyl));
    m_ui->rgqd->setText(ProductTexts::listStartAmount(product.w_qdje));
    m_ui->cxqx->setText(product.w_xtqx);
}
