#include "DatePickerSheet.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimeZone>
#include <QVBoxLayout>

namespace {
constexpr int kPanelHeight = 300;
}

DatePickerSheet::DatePickerSheet(QWidget *over, std::function<void(const QDate &)> onPicked)
    : OverlayView(over, true, QColor(0, 0, 0, 90)), m_panel(new QFrame(this)),
      m_calendar(new QCalendarWidget(m_panel)), m_onPicked(std::move(onPicked))
{
    setObjectName(QStringLiteral("datePicker"));
    m_panel->setObjectName(QStringLiteral("datePickerPanel"));
    m_panel->setStyleSheet(QStringLiteral("#datePickerPanel { background: white; }"));
    m_calendar->setObjectName(QStringLiteral("datePickerCalendar"));
    m_calendar->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(false);

    auto *cancel = new QPushButton(QStringLiteral("取消"), m_panel);
    auto *done = new QPushButton(QStringLiteral("确定"), m_panel);
    cancel->setObjectName(QStringLiteral("datePickerCancel"));
    done->setObjectName(QStringLiteral("datePickerDone"));
    for (QPushButton *b : {cancel, done})
        b->setStyleSheet(QStringLiteral(
            "QPushButton { border: none; color: #007aff; font-size: 16px; padding: 8px 14px; }"));
    connect(cancel, &QPushButton::clicked, this, &OverlayView::dismiss);
    connect(done, &QPushButton::clicked, this, &DatePickerSheet::confirm);

    auto *bar = new QHBoxLayout;
    bar->addWidget(cancel);
    bar->addStretch();
    bar->addWidget(done);
    auto *column = new QVBoxLayout(m_panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(bar);
    column->addWidget(m_calendar);
    QWidget::hide();
}

DatePickerSheet *DatePickerSheet::askForDate(QWidget *over, const QDate &current,
                                             const QDate &minimum, const QDate &maximum,
                                             std::function<void(const QDate &)> onPicked)
{
    auto *sheet = new DatePickerSheet(over, std::move(onPicked));
    if (minimum.isValid())
        sheet->m_calendar->setMinimumDate(minimum);
    if (maximum.isValid())
        sheet->m_calendar->setMaximumDate(maximum);
    sheet->m_calendar->setSelectedDate(current.isValid() ? current : todayInChina());
    sheet->present();
    return sheet;
}

QDate DatePickerSheet::todayInChina()
{
    return QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(8 * 3600)).date();
}

QDate DatePickerSheet::date() const
{
    return m_calendar->selectedDate();
}

QDate DatePickerSheet::minimumDate() const
{
    return m_calendar->minimumDate();
}

QDate DatePickerSheet::maximumDate() const
{
    return m_calendar->maximumDate();
}

void DatePickerSheet::pick(const QDate &date)
{
    m_calendar->setSelectedDate(date); // the calendar keeps it within its bounds
    confirm();
}

DatePickerSheet *DatePickerSheet::frontMost(QWidget *widget)
{
    const auto overlays = OverlayView::overlaysOver(widget);
    for (auto it = overlays.crbegin(); it != overlays.crend(); ++it) {
        if (auto *sheet = qobject_cast<DatePickerSheet *>(*it))
            return sheet;
    }
    return nullptr;
}

void DatePickerSheet::confirm()
{
    const QDate picked = date();
    dismiss();
    if (m_onPicked)
        m_onPicked(picked);
}

void DatePickerSheet::layoutContent()
{
    m_panel->setGeometry(0, height() - kPanelHeight, width(), kPanelHeight);
}
