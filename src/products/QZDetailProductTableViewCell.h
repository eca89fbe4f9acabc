#pragma once

#include "TableViewCell.h"

namespace Ui {
class QZDetailProductTableViewCell;
}
class QLabel;
class QPushButton;

// A row of the product detail: a heading row, a caption with its content, or the
// "更多详情" row with its arrow button.
class QZDetailProductTableViewCell : public TableViewCell
{
    Q_OBJECT

public:
    static const QString kReuseIdentifier;

    explicit QZDetailProductTableViewCell(QWidget *parent = nullptr);
    ~QZDetailProductTableViewCell() override;

    void showHeading(const QString &title, bool withNextButton);
    void showField(const QString &caption, const QString &content);
    QPushButton *nextButton() const;

private:
    Ui::QZDetailProductTableViewCell *m_ui;
};
