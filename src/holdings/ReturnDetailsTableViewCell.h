#pragma once

#include "ReturnDetailsModel.h"
#include "TableViewCell.h"

namespace Ui {
class ReturnDetailsTableViewCell;
}

// A row of the distributed income: the right's name, the distribution date, its kind and amount.
class ReturnDetailsTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReturnDetailsTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit ReturnDetailsTableViewCell(QWidget *parent = nullptr);
    ~ReturnDetailsTableViewCell() override;

    void setIncome(const ReturnDetailsModel &income);

private:
    Ui::ReturnDetailsTableViewCell *m_ui;
};
