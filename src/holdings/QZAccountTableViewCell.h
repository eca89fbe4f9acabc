#pragma once

#include "TableViewCell.h"

namespace Ui {
class QZAccountTableViewCell;
}

// A row of the account menu: its picture, its name and, where it opens a screen, an arrow.
class QZAccountTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZAccountTableViewCell)

public:
    static const QString kReuseIdentifier;

    QZAccountTableViewCell();
    ~QZAccountTableViewCell() override;

    void setEntry(const QString &image, const QString &name, bool opensScreen);

private:
    Ui::QZAccountTableViewCell *m_ui;
};
