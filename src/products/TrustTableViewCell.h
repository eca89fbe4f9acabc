#pragma once

#include "TableViewCell.h"

#include "TrustProductModel.h"

namespace Ui {
class TrustTableViewCell;
}

// A row of the securities-trust list: name, latest net value, starting amount and term.
class TrustTableViewCell : public TableViewCell
{
    Q_OBJECT

public:
    static const QString kReuseIdentifier;

    explicit TrustTableViewCell(QWidget *parent = nullptr);
    ~TrustTableViewCell() override;

    void show(const TrustProductModel &product);

private:
    Ui::TrustTableViewCell *m_ui;
};
