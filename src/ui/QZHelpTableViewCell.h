#pragma once

#include "TableViewCell.h"

namespace Ui {
class QZHelpTableViewCell;
}
class QLabel;
class QPushButton;

// A row with a title and an arrow button: the help centre's questions, the trust
// classroom's texts and similar menus.
class QZHelpTableViewCell : public TableViewCell
{
    Q_OBJECT

public:
    static const QString kReuseIdentifier;

    explicit QZHelpTableViewCell(QWidget *parent = nullptr);
    ~QZHelpTableViewCell() override;

    QLabel *nameLabel() const;
    QPushButton *nextButton() const;

private:
    Ui::QZHelpTableViewCell *m_ui;
};
