#include "QZStandingsDetailTableViewCell.h"

#include "ui_QZStandingsDetailTableViewCell.h"

#include "PointsTexts.h"
#include "UiColor.h"

const QString QZStandingsDetailTableViewCell::kReuseIdentifier =
    QStringLiteral("QZStandingsDetailTableViewCell");

QZStandingsDetailTableViewCell::QZStandingsDetailTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZStandingsDetailTableViewCell)
{
    m_ui->setupUi(this);
    setSelectionStyleNone(true);
    setSeparatorVisible(false);
    setBackgroundColor(UiColor::getColor(QStringLiteral("efefef")));
}

QZStandingsDetailTableViewCell::~QZStandingsDetailTableViewCell()
{
    delete m_ui;
}

void QZStandingsDetailTableViewCell::setMovement(const ScoreHistoryModel &movement)
{
    const PointsTexts::HistoryRow row = PointsTexts::historyRow(movement);
    m_ui->dhrqLabel->setText(row.dateCaption);
    m_ui->czrqLabel->setText(row.date);
    m_ui->dhfsLabel->setText(row.description);
    m_ui->hdjfLabel->setText(row.pointsLine);
    setAccessibleName(row.description);
}
