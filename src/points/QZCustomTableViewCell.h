#pragma once

#include "QZActivityModel.h"
#include "TableViewCell.h"

namespace Ui {
class QZCustomTableViewCell;
}

// An activity or questionnaire of the catalogue: picture, title, subtitle and the state
// button, whose tag is 10010 plus the activity's section.
class QZCustomTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZCustomTableViewCell)

public:
    static const QString kReuseIdentifier;
    static constexpr int kStateTagBase = 10010;

    explicit QZCustomTableViewCell(QWidget *parent = nullptr);
    ~QZCustomTableViewCell() override;

    void setActivity(const QZActivityModel &activity, int section);

signals:
    // The state button was tapped; its tag says which section.
    void stateTapped(int tag);

private:
    Ui::QZCustomTableViewCell *m_ui;
};
