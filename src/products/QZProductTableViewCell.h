#pragma once

#include "ProductCardCell.h"
#include "modelForProd.h"

// A row of the products tab: badge, name, expected yield, starting amount and term.
class QZProductTableViewCell final : public ProductCardCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZProductTableViewCell)

public:
    static const QString kReuseIdentifier;

    QZProductTableViewCell();
    void setProduct(const modelForProd &product);
};
