#pragma once

#include "ProductAnnouncementsModel.h"
#include "TableViewCell.h"

namespace Ui {
class QZMoreDetailTableViewCell;
}

// A row of the announcement list: the announcement's title in the brand blue.
class QZMoreDetailTableViewCell : public TableViewCell
{
    Q_OBJECT

public:
    static const QString kReuseIdentifier;

    explicit QZMoreDetailTableViewCell(QWidget *parent = nullptr);
    ~QZMoreDetailTableViewCell() override;

    void setAnnouncement(const ProductAnnouncementsModel &announcement);

private:
    Ui::QZMoreDetailTableViewCell *m_ui;
};
