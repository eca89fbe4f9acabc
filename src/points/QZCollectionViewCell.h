#pragma once

#include "ScoreModel.h"
#include "TableViewCell.h"

namespace Ui {
class QZCollectionViewCell;
}

// A gift of the points catalogue: its picture, name, points and market price. A chosen gift's
// cell is painted red.
class QZCollectionViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZCollectionViewCell)

public:
    static const QString kReuseIdentifier;

    explicit QZCollectionViewCell(QWidget *parent = nullptr);
    ~QZCollectionViewCell() override;

    void setGift(const ScoreModel &gift, bool chosen);
    void prepareForReuse() override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showTexts();

    Ui::QZCollectionViewCell *m_ui;
    ScoreModel m_gift;
};
