#pragma once

#include "TableViewCell.h"

#include "modelForProd.h"

namespace Ui {
class QZProductTableViewCell;
}

// A row of the products tab: badge, name, expected yield, starting amount and term.
class QZProductTableViewCell : public TableViewCell
{
    Q_OBJECT

public:
    static const QString kReuseIdentifier;

    explicit QZProductTableViewCell(QWidget *parent = nullptr);
    ~QZProductTableViewCell() override;

    void show(const modelForProd &product);

private:
    Ui::QZProductTableViewCell *m_ui;
};
