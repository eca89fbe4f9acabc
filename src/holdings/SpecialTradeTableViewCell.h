#pragma once

#include "SpecialTradeModel.h"
#include "TableViewCell.h"

namespace Ui {
class SpecialTradeTableViewCell;
}

// A row of the special transactions: the product, a transfer or redemption mark, the amount and the
// effective date.
class SpecialTradeTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpecialTradeTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit SpecialTradeTableViewCell(QWidget *parent = nullptr);
    ~SpecialTradeTableViewCell() override;

    void setTrade(const QString &cpqc, const SpecialTradeModel &trade);

private:
    Ui::SpecialTradeTableViewCell *m_ui;
};
