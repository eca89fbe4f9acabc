#pragma once

#include "ProductCardCell.h"
#include "TrustProductModel.h"

// A row of the securities-trust list: name, latest net value, starting amount and term.
class TrustTableViewCell final : public ProductCardCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrustTableViewCell)

public:
    static const QString kReuseIdentifier;

    TrustTableViewCell();
    void setTrust(const TrustProductModel &trust);
};
