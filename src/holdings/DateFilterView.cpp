#include "DateFilterView.h"

#include "ui_DateFilterView.h"

#include "DatePickerSheet.h"
#include "Toast.h"
#include "UiImage.h"

#include <QMouseEvent>
#include <QPointer>
#include <QStyle>

namespace {

constexpr double kEmptyToastSeconds = 0.5;

void showSelected(QPushButton *button, bool selected)
{
    button->setIcon(
        UiImage::named(selected ? QStringLiteral("check.png") : QStringLiteral("check_01.png")));
    button->setProperty("selected", selected);
    // The style sheet picks the title colour from "selected"; re-polish so it does.
    button->style()->unpolish(button);
    button->style()->polish(button);
}

} // namespace

DateFilterView::DateFilterView(const DateFilterRule &rule, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::DateFilterView), m_filter(rule)
{
    m_ui->setupUi(this);
    m_ui->minLabel->installEventFilter(this);
    m_ui->maxLabel->installEventFilter(this);
    connect(m_ui->sureButton, &QPushButton::clicked, this, &DateFilterView::confirm);
    connect(m_ui->lastOneButton, &QPushButton::clicked, this,
            [this]() { choosePreset(DateFilter::Preset::OneYear); });
    connect(m_ui->lastThreeButton, &QPushButton::clicked, this,
            [this]() { choosePreset(DateFilter::Preset::ThreeYears); });
    connect(m_ui->lastFiveButton, &QPushButton::clicked, this,
            [this]() { choosePreset(DateFilter::Preset::FiveYears); });
    refresh();
}

DateFilterView::~DateFilterView()
{
    delete m_ui;
}

void DateFilterView::start(const QList<DateFilterEntry> &entries)
{
    m_filter.start(entries, DateFilter::chinaToday());
    refresh();
}

bool DateFilterView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_ui->minLabel || watched == m_ui->maxLabel) {
            openPicker(watched == m_ui->minLabel);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DateFilterView::confirm()
{
    const bool nothing = m_filter.confirm();
    refresh();
    if (nothing)
        Toast::showText(this, m_filter.rule().emptyToast, kEmptyToastSeconds);
}

void DateFilterView::choosePreset(DateFilter::Preset preset)
{
    const bool nothing = m_filter.choosePreset(preset, DateFilter::chinaToday());
    refresh();
    if (nothing)
        Toast::showText(this, m_filter.rule().emptyToast, kEmptyToastSeconds);
}

void DateFilterView::openPicker(bool start)
{
    const QDate today = DateFilter::chinaToday();
    const DateFilter::PickerBounds bounds =
        start ? m_filter.openStartPicker(today) : m_filter.openEndPicker(today);
    const QDate shownStart = QDate::fromString(m_filter.minLabel(), QStringLiteral("yyyy-MM-dd"));
    refresh();
    QPointer<DateFilterView> self(this); // the sheet may outlive the list
    DatePickerSheet *sheet = DatePickerSheet::askForDate(
        window(), start && shownStart.isValid() ? shownStart : today, bounds.minimum,
        bounds.maximum, [self, start](const QDate &date) {
            if (!self)
                return;
            if (start)
                self->m_filter.pickStart(date);
            else
                self->m_filter.pickEnd(date);
            self->refresh();
        });
    connect(sheet, &OverlayView::dismissed, this, [this]() {
        m_filter.closePicker();
        refresh();
    });
}

void DateFilterView::refresh()
{
    m_ui->minLabel->setText(m_filter.minLabel());
    m_ui->maxLabel->setText(m_filter.maxLabel());
    showSelected(m_ui->lastOneButton, m_filter.preset() == DateFilter::Preset::OneYear);
    showSelected(m_ui->lastThreeButton, m_filter.preset() == DateFilter::Preset::ThreeYears);
    showSelected(m_ui->lastFiveButton, m_filter.preset() == DateFilter::Preset::FiveYears);
    emit rowsChanged();
}
