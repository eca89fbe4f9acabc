#pragma once

#include "TableViewCell.h"

namespace Ui {
class TransferDetailsTableViewCell;
}

// A row of a detail: the field's name on the left and its value, wrapping when long.
class TransferDetailsTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransferDetailsTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit TransferDetailsTableViewCell(QWidget *parent = nullptr);
    ~TransferDetailsTableViewCell() override;

    void setRow(const QString &name, const QString &value);

private:
    Ui::TransferDetailsTableViewCell *m_ui;
};
