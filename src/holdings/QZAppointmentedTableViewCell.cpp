#include "QZAppointmentedTableViewCell.h"

#include "ui_QZAppointmentedTableViewCell.h"

#include "BookingRecords.h"
#include "Formatting.h"
#include "HoldingsTexts.h"
#include "UiColor.h"

const QString QZAppointmentedTableViewCell::kReuseIdentifier = QStringLiteral("cell");

QZAppointmentedTableViewCell::QZAppointmentedTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZAppointmentedTableViewCell)
{
    m_ui->setupUi(this);
    setBackgroundColor(UiColor::background());
    setSeparatorVisible(false);
    connect(m_ui->statusButton, &QPushButton::clicked, this, [this]() {
        if (m_button)
            m_button(m_ui->statusButton->text());
    });
}

QZAppointmentedTableViewCell::~QZAppointmentedTableViewCell()
{
    delete m_ui;
}

void QZAppointmentedTableViewCell::setBooking(const modelForAppointedProd &booking)
{
    m_ui->nameLabel->setText(booking.w_cpmc);
    m_ui->dateLabel->setText(Formatting::GetFormateDate(booking.yysj_ss));
    m_ui->moneyLabel->setText(HoldingsTexts::truncatedTenThousands(booking.yyje));
    // A state without a text of its own shows none, rather than a reused row's.
    const BookingRecords::RowState state = BookingRecords::rowState(booking.yyzt);
    m_ui->statusLabel->setText(state.statusText);
    m_ui->statusButton->setVisible(state.deletable);
}
