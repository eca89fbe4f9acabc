#pragma once

#include "QZMessageModel.h"
#include "TableViewCell.h"

namespace Ui {
class MessageTableViewCell;
}

// A row of the message list: the kind, the date, the unread mark, the title and the line
// under it.
class MessageTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageTableViewCell)

public:
    static const QString kReuseIdentifier;

    MessageTableViewCell();
    ~MessageTableViewCell() override;

    void setMessage(const QZMessageModel &message);

private:
    Ui::MessageTableViewCell *m_ui;
};
