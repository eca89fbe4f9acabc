#pragma once

#include <QDate>
#include <QList>
#include <QString>

// One record as the date filter of a holdings list sees it: `from` is compared with the
// start of the range (and seeds the first start), `until` with its end, and `earliest`
// bounds the start picker.
struct DateFilterEntry
{
    QString from;
    QString until;
    QString earliest;
};

// What differs between the lists that filter by date.
struct DateFilterRule
{
    QString emptyToast; // shown when nothing lies in the range
    bool boundedEndPicker = false;
};

// The date filter of the holdings lists: the start and end labels (yyyy-MM-dd), the
// presets one, three and five years back, the pickers' bounds, and which records pass.
// Dates travel as eight-digit texts and are compared by their integer values. `count` is
// 0 while a picker is open (the list then shows no rows) and grows with every filter run.
class DateFilter final
{
public:
    enum class Preset
    {
        None = 0,
        OneYear = 1,
        ThreeYears = 3,
        FiveYears = 5
    };
    // An invalid date leaves that side of the picker open.
    struct PickerBounds
    {
        QDate minimum;
        QDate maximum;
    };

    explicit DateFilter(DateFilterRule rule = {});

    // Today in GMT+8, the time zone of the company's dates, on the client's clock.
    static QDate chinaToday();
    // "2026-12-05" → "20261205" (characters 0-3, 5-6 and 8-9).
    static QString labelToDate(const QString &label);

    const DateFilterRule &rule() const { return m_rule; }
    int count() const { return m_count; }
    QString minLabel() const { return m_minLabel; }
    QString maxLabel() const { return m_maxLabel; }
    Preset preset() const { return m_preset; }
    bool isPickerOpen() const { return m_pickerOpen; }
    // The positions of the records the list shows, in list order; none while a picker is open.
    QList<int> shown() const;

    // The list's records arrive: every one is shown, the end is today and the start the
    // earliest `from` before today (today when there is none).
    void start(const QList<DateFilterEntry> &entries, const QDate &today);
    // Runs the filter on the labels; true when nothing passes (time for the empty toast).
    bool confirm();
    // A preset marks itself, sets the range back from today, and confirms.
    bool choosePreset(Preset preset, const QDate &today);

    // Opening a picker empties the list until it closes. The end picker writes its
    // first date, today, into the end label at once.
    PickerBounds openStartPicker(const QDate &today);
    PickerBounds openEndPicker(const QDate &today);
    void pickStart(const QDate &date);
    void pickEnd(const QDate &date);
    void closePicker();

private:
    QDate startPickerMinimum() const;

    DateFilterRule m_rule;
    QList<DateFilterEntry> m_entries;
    QList<int> m_shown;
    QString m_minLabel;
    QString m_maxLabel;
    QDate m_mindate; // the start last picked, if any
    Preset m_preset = Preset::None;
    int m_count = 0;
    int m_countBeforePicker = 0;
    bool m_pickerOpen = false;
};
