#pragma once

#include "TableViewCell.h"
#include "UserMoneyModel.h"

namespace Ui {
class QZProfitTableViewCell;
}

// A row of the unredeemed principal: the right's name, the amount still invested and the start
// date.
class QZProfitTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZProfitTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit QZProfitTableViewCell(QWidget *parent = nullptr);
    ~QZProfitTableViewCell() override;

    void setContract(const UserMoneyModel &contract);

private:
    Ui::QZProfitTableViewCell *m_ui;
};
