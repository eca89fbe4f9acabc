#pragma once

#include "CustomerIncomeModel.h"
#include "TableViewCell.h"

namespace Ui {
class IncomeTableViewCell;
}

// A distribution in the income detail: its kind, date and amount.
class IncomeTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IncomeTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit IncomeTableViewCell(QWidget *parent = nullptr);
    ~IncomeTableViewCell() override;

    void setIncome(const CustomerIncomeModel &income);

private:
    Ui::IncomeTableViewCell *m_ui;
};
