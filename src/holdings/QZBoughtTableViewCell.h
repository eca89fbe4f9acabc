#pragma once

#include "TableViewCell.h"
#include "UserMoneyModel.h"

namespace Ui {
class QZBoughtTableViewCell;
}

// A row of the bought products: the product's name (grey once paid back), the mark of a
// special transaction, the right's start date and the contract amount.
class QZBoughtTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZBoughtTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit QZBoughtTableViewCell(QWidget *parent = nullptr);
    ~QZBoughtTableViewCell() override;

    void setContract(const UserMoneyModel &contract);

private:
    Ui::QZBoughtTableViewCell *m_ui;
};
