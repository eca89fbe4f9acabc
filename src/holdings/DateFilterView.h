#pragma once

#include "DateFilter.h"

#include <QWidget>

namespace Ui {
class DateFilterView;
}
class QPushButton;

// The date filter above a holdings list (its table header): the start and end labels that
// open a date picker, the presets one, three and five years back, and "确定". It tells the
// list when the rows to show have changed, and says so when none are left.
class DateFilterView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DateFilterView)

public:
    explicit DateFilterView(const DateFilterRule &rule, QWidget *parent = nullptr);
    ~DateFilterView() override;

    // The list's records have arrived: all are shown, the range spans them up to today.
    void start(const QList<DateFilterEntry> &entries);
    // 0 while a picker is open; grows with every filter run.
    int count() const { return m_filter.count(); }
    // The positions of the records to show, in list order.
    QList<int> shown() const { return m_filter.shown(); }

signals:
    void rowsChanged();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void confirm();
    void choosePreset(DateFilter::Preset preset);
    void openPicker(bool start);
    void refresh();

    Ui::DateFilterView *m_ui;
    DateFilter m_filter;
};
