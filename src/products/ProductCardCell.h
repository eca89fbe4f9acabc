#pragma once

#include "TableViewCell.h"

namespace Ui {
class ProductCardCell;
}

// The card the product and securities-trust lists share: a badge over its corner, the name,
// and three figures with their captions (the first caption is the list's own).
class ProductCardCell : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProductCardCell)

public:
    ~ProductCardCell() override;

protected:
    ProductCardCell(const QString &reuseIdentifier, const QString &firstCaption);

    // An empty badge hides it.
    void setCard(const QString &badgeImage, const QString &title, const QString &first,
                 const QString &amount, const QString &term);

private:
    Ui::ProductCardCell *m_ui;
};
