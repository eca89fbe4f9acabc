#pragma once

#include "TableViewCell.h"
#include "modelForAppointedProd.h"

#include <functional>

namespace Ui {
class QZAppointmentedTableViewCell;
}

// A booking: the product, the amount, the state and the date; a booking being processed
// offers "×删除", which runs the action the list gives the row.
class QZAppointmentedTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZAppointmentedTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit QZAppointmentedTableViewCell(QWidget *parent = nullptr);
    ~QZAppointmentedTableViewCell() override;

    void setBooking(const modelForAppointedProd &booking);
    // What touching "×删除" does; it is handed the button's title, which it may ignore.
    void setButton(std::function<void(const QString &)> action) { m_button = std::move(action); }

private:
    Ui::QZAppointmentedTableViewCell *m_ui;
    std::function<void(const QString &)> m_button;
};
