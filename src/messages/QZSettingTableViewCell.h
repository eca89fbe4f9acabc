#pragma once

#include "SettingRows.h"
#include "TableViewCell.h"

#include <functional>

namespace Ui {
class QZSettingTableViewCell;
}

// A row of the settings: a title with its detail, an arrow, or the gesture lock's switch.
class QZSettingTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZSettingTableViewCell)

public:
    static const QString kReuseIdentifier;

    QZSettingTableViewCell();
    ~QZSettingTableViewCell() override;

    void setRow(const SettingRow &row);
    // What a tap on the switch does (`btnClick:`); the rest of the row does nothing then.
    void setSwitchAction(std::function<void()> action) { m_switchAction = std::move(action); }
    void prepareForReuse() override;

private:
    Ui::QZSettingTableViewCell *m_ui;
    std::function<void()> m_switchAction;
};
