#pragma once

#include "NetProductModel.h"
#include "TableViewCell.h"

namespace Ui {
class TrustHistoryTableViewCell;
}

// A row of the net-value history: the date (yyyy-MM-dd) and the value as published.
class TrustHistoryTableViewCell : public TableViewCell
{
    Q_OBJECT

public:
    static const QString kReuseIdentifier;

    explicit TrustHistoryTableViewCell(QWidget *parent = nullptr);
    ~TrustHistoryTableViewCell() override;

    void setNetValue(const NetProductModel &netValue);

private:
    Ui::TrustHistoryTableViewCell *m_ui;
};
