#pragma once

#include "OverlayView.h"

#include <QDate>
#include <functional>

class QCalendarWidget;
class QFrame;

// A date-only picker sliding up from the bottom, bounded by a minimum and a maximum,
// with "取消" and "确定". Dates are those of the time zone GMT+8 in the zh_CN locale.
class DatePickerSheet : public OverlayView
{
    Q_OBJECT

public:
    static DatePickerSheet *askForDate(QWidget *over, const QDate &current, const QDate &minimum,
                                       const QDate &maximum,
                                       std::function<void(const QDate &)> onPicked);

    // Today in GMT+8, the time zone the company's dates are in.
    static QDate todayInChina();

    QDate date() const;
    QDate minimumDate() const;
    QDate maximumDate() const;
    // Picks as the customer would: the date is kept within the bounds, then confirmed.
    void pick(const QDate &date);

    static DatePickerSheet *frontMost(QWidget *widget);

protected:
    void layoutContent() override;

private:
    DatePickerSheet(QWidget *over, std::function<void(const QDate &)> onPicked);
    void confirm();

    QFrame *m_panel;
    QCalendarWidget *m_calendar;
    std::function<void(const QDate &)> m_onPicked;
};
