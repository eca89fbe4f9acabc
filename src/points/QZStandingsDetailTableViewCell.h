#pragma once

#include "ScoreHistoryModel.h"
#include "TableViewCell.h"

namespace Ui {
class QZStandingsDetailTableViewCell;
}

// A movement of the customer's points: the kind of date and the date, what happened, and
// the points it brought or took.
class QZStandingsDetailTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZStandingsDetailTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit QZStandingsDetailTableViewCell(QWidget *parent = nullptr);
    ~QZStandingsDetailTableViewCell() override;

    void setMovement(const ScoreHistoryModel &movement);

private:
    Ui::QZStandingsDetailTableViewCell *m_ui;
};
