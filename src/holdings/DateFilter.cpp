#include "DateFilter.h"

#include "AppConfig.h"
#include "Formatting.h"
#include "TextValue.h"

#include <QTimeZone>

namespace {

const QString kLabelFormat = QStringLiteral("yyyy-MM-dd");

int dateValue(const QString &text)
{
    return TextValue::intValue(text);
}

// The label `years` back: the same text with the year reduced, as the customer reads it.
QString yearsBack(const QString &label, int years)
{
    const int year = TextValue::intValue(label.left(4)) - years;
    return TextValue::format("%04d", year) + label.mid(4);
}

} // namespace

DateFilter::DateFilter(DateFilterRule rule) : m_rule(std::move(rule)) {}

QDate DateFilter::chinaToday()
{
    return AppConfig::now().toTimeZone(QTimeZone(8 * 3600)).date();
}

QString DateFilter::labelToDate(const QString &label)
{
    return label.mid(0, 4) + label.mid(5, 2) + label.mid(8, 2);
}

QList<int> DateFilter::shown() const
{
    return m_count == 0 ? QList<int>() : m_shown;
}

void DateFilter::start(const QList<DateFilterEntry> &entries, const QDate &today)
{
    m_entries = entries;
    m_shown.clear();
    for (int i = 0; i < m_entries.size(); ++i)
        m_shown.append(i);
    m_count = 1;
    m_pickerOpen = false;
    m_mindate = QDate();
    m_preset = Preset::None;
    m_maxLabel = today.toString(kLabelFormat);
    // A record without a date cannot seed the range, so it is passed over.
    const int todayValue = dateValue(today.toString(QStringLiteral("yyyyMMdd")));
    const QString *earliest = nullptr;
    for (const DateFilterEntry &entry : std::as_const(m_entries)) {
        const int value = dateValue(entry.from);
        if (value > 0 && value < todayValue && (!earliest || value < dateValue(*earliest)))
            earliest = &entry.from;
    }
    m_minLabel = earliest ? Formatting::GetFormateDate(*earliest) : m_maxLabel;
}

bool DateFilter::confirm()
{
    if (m_pickerOpen)
        closePicker();
    ++m_count;
    const int min = dateValue(labelToDate(m_minLabel));
    const int max = dateValue(labelToDate(m_maxLabel));
    m_shown.clear();
    for (int i = 0; i < m_entries.size(); ++i) {
        const DateFilterEntry &entry = m_entries.at(i);
        if (min <= dateValue(entry.from) && dateValue(entry.until) <= max)
            m_shown.append(i);
    }
    return m_shown.isEmpty();
}

bool DateFilter::choosePreset(Preset preset, const QDate &today)
{
    m_preset = preset;
    m_maxLabel = today.toString(kLabelFormat);
    m_minLabel = yearsBack(m_maxLabel, int(preset));
    return confirm();
}

QDate DateFilter::startPickerMinimum() const
{
    const DateFilterEntry *earliest = nullptr;
    for (const DateFilterEntry &entry : m_entries) {
        if (!earliest || dateValue(entry.earliest) < dateValue(earliest->earliest))
            earliest = &entry;
    }
    if (!earliest)
        return QDate();
    const QDate date = QDate::fromString(earliest->earliest, QStringLiteral("yyyyMMdd"));
    return date.isValid() ? QDate(date.year(), 1, 1) : QDate();
}

DateFilter::PickerBounds DateFilter::openStartPicker(const QDate &today)
{
    if (!m_pickerOpen)
        m_countBeforePicker = m_count;
    m_pickerOpen = true;
    m_count = 0;
    return {startPickerMinimum(), today};
}

DateFilter::PickerBounds DateFilter::openEndPicker(const QDate &today)
{
    const PickerBounds start = openStartPicker(today);
    m_maxLabel = today.toString(kLabelFormat);
    if (!m_rule.boundedEndPicker)
        return {};
    return {m_mindate.isValid() ? m_mindate : start.minimum, today};
}

void DateFilter::pickStart(const QDate &date)
{
    m_minLabel = date.toString(kLabelFormat);
    m_mindate = date;
}

void DateFilter::pickEnd(const QDate &date)
{
    m_maxLabel = date.toString(kLabelFormat);
}

void DateFilter::closePicker()
{
    if (!m_pickerOpen)
        return;
    m_pickerOpen = false;
    m_count = m_countBeforePicker;
}
