#include "QZActivityTableViewCell.h"

#include "ui_QZActivityTableViewCell.h"

#include "ActivityRules.h"
#include "UiColor.h"

const QString QZActivityTableViewCell::kReuseIdentifier = QStringLiteral("QZActivityTableViewCell");

QZActivityTableViewCell::QZActivityTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZActivityTableViewCell)
{
    m_ui->setupUi(this);
    setSelectionStyleNone(true);
    setSeparatorVisible(false);
    setBackgroundColor(UiColor::getColor(QStringLiteral("efefef")));
}

QZActivityTableViewCell::~QZActivityTableViewCell()
{
    delete m_ui;
}

void QZActivityTableViewCell::setRegistration(const QZActivityBookingModel &registration)
{
    m_ui->titleLabel->setText(registration.activity_name);
    m_ui->timeLabel->setText(
        ActivityRules::dateRange(registration.start_time, registration.end_time));
    if (const auto status = ActivityRules::registrationStatus(registration.status)) {
        m_ui->statusLabel->setText(status->text);
        if (status->green)
            m_ui->statusLabel->setStyleSheet(QStringLiteral("color: #8eb100;"));
    }
    setAccessibleName(registration.activity_name);
}

void QZActivityTableViewCell::prepareForReuse()
{
    TableViewCell::prepareForReuse();
    // A state the client does not know shows nothing, not the previous row's state.
    m_ui->statusLabel->clear();
    m_ui->statusLabel->setStyleSheet(QString());
}
