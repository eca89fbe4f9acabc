#pragma once

#include "QZActivityBookingModel.h"
#include "TableViewCell.h"

namespace Ui {
class QZActivityTableViewCell;
}

// One of the customer's activity registrations: the activity, its dates and the state of the
// registration.
class QZActivityTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZActivityTableViewCell)

public:
    static const QString kReuseIdentifier;

    explicit QZActivityTableViewCell(QWidget *parent = nullptr);
    ~QZActivityTableViewCell() override;

    void setRegistration(const QZActivityBookingModel &registration);
    void prepareForReuse() override;

private:
    Ui::QZActivityTableViewCell *m_ui;
};
