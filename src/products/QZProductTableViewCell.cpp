#include "QZProductTableViewCell.h"

#include "ProductTexts.h"

const QString QZProductTableViewCell::kReuseIdentifier = QStringLiteral("QZProductTableViewCell");

QZProductTableViewCell::QZProductTableViewCell()
    : ProductCardCell(kReuseIdentifier, QStringLiteral("预期年化收益率"))
{
}

void QZProductTableViewCell::setProduct(const modelForProd &product)
{
    setCard(ProductTexts::saleBadgeImage(product.w_xszt), product.w_cpmc,
            ProductTexts::yieldText(product.w_yqnhsyl),
            ProductTexts::listStartAmount(product.w_qdje), product.w_xtqx);
}
