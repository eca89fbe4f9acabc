#pragma once

#include "QZInformationModel.h"
#include "TableViewCell.h"

namespace Ui {
class QZAboutTableViewCell;
}

// A row of the company news: headline, summary, kind, source and date; as tall as its texts.
class QZAboutTableViewCell final : public TableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZAboutTableViewCell)

public:
    static const QString kReuseIdentifier;

    QZAboutTableViewCell();
    ~QZAboutTableViewCell() override;

    void setArticle(const QZInformationModel &article);

private:
    Ui::QZAboutTableViewCell *m_ui;
};
