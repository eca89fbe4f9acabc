#include "AlertController.h"

#include "KineticScrolling.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kAlertWidth = 270;
constexpr int kSheetMargin = 8;
constexpr int kButtonHeight = 44;
constexpr int kLabelMargin = 16;
constexpr int kStatusBarHeight = 20; // the phone window's, which a sheet never covers

// A wrapped text whose lines are of even length: a last line of one character reads badly.
void balanceLines(QLabel *label, int available)
{
    const QFontMetrics metrics(label->font());
    const auto heightAt = [&](int width) {
        return metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, label->text())
            .height();
    };
    const int natural = metrics.horizontalAdvance(label->text());
    int width = std::min(available, natural + 2);
    const int fewest = heightAt(available);
    if (natural > available && !label->text().contains(QLatin1Char('\n'))) {
        // As narrow as the fewest lines allow, so that the lines come out even.
        const int lines = (natural + available - 1) / available;
        width = std::min(available, (natural + lines - 1) / lines);
        while (width < available && heightAt(width) > fewest)
            width = std::min(available, width + 4);
    }
    label->setFixedSize(width, heightAt(width));
}

QString buttonStyle(AlertController::ActionStyle style)
{
    const QString color = style == AlertController::ActionStyle::Destructive
                              ? QStringLiteral("#ff3b30")
                              : QStringLiteral("#007aff");
    const QString weight = style == AlertController::ActionStyle::Cancel ? QStringLiteral("bold")
                                                                         : QStringLiteral("normal");
    return QStringLiteral("QPushButton { color: %1; font-weight: %2; font-size: 17px; border: none;"
                          " border-top: 1px solid #dcdcdc; background: transparent; }"
                          "QPushButton:pressed { background: #e6e6e6; }")
        .arg(color, weight);
}

QFrame *makePanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("alertPanel"));
    panel->setStyleSheet(
        QStringLiteral("#alertPanel { background: #f7f7f7; border-radius: 12px; }"));
    return panel;
}

QLabel *makeLabel(const QString &text, int pixelSize, bool bold, const QString &color)
{
    // Alert texts often come from the server: never read as HTML, which could load files.
    auto *label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    // A number in an alert (the hotline) can be selected and copied.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(color));
    return label;
}

} // namespace

AlertController::AlertController(QWidget *over, const QString &title, const QString &message,
                                 Style style)
    : OverlayView(over, true, QColor(0, 0, 0, 100)), m_style(style), m_title(title),
      m_message(message)
{
    setObjectName(style == Style::Alert ? QStringLiteral("alert") : QStringLiteral("actionSheet"));
    QWidget::hide();
}

void AlertController::addAction(const QString &title, ActionStyle style,
                                std::function<void()> handler)
{
    m_actions.append({title, style, std::move(handler)});
}

QLineEdit *AlertController::addTextField(const std::function<void(QLineEdit *)> &configure)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("alertTextField%1").arg(m_fields.size()));
    field->setFixedHeight(28);
    field->setStyleSheet(QStringLiteral("QLineEdit { background: white; border: 1px solid #c8c8c8;"
                                        " border-radius: 4px; padding: 0 4px; font-size: 13px; }"));
    if (configure)
        configure(field);
    m_fields.append(field);
    return field;
}

QStringList AlertController::actionTitles() const
{
    QStringList titles;
    for (const Action &a : m_actions)
        titles.append(a.title);
    return titles;
}

void AlertController::open()
{
    build();
    present();
    if (!m_fields.isEmpty())
        m_fields.first()->setFocus();
}

bool AlertController::tapAction(const QString &title)
{
    for (int i = 0; i < m_actions.size(); ++i) {
        if (m_actions.at(i).title == title) {
            runAction(i);
            return true;
        }
    }
    return false;
}

AlertController *AlertController::frontMost(QWidget *widget)
{
    const auto overlays = OverlayView::overlaysOver(widget);
    for (auto it = overlays.crbegin(); it != overlays.crend(); ++it) {
        if (auto *alert = qobject_cast<AlertController *>(*it))
            return alert;
    }
    return nullptr;
}

AlertController *AlertController::showMessage(QWidget *over, const QString &message)
{
    auto *alert = new AlertController(over, QString(), message);
    alert->addAction(QStringLiteral("取消"), ActionStyle::Cancel);
    alert->open();
    return alert;
}

void AlertController::runAction(int index)
{
    if (m_handled)
        return;
    m_handled = true;
    const auto handler = m_actions.at(index).handler;
    dismiss();
    if (handler)
        handler();
}

void AlertController::build()
{
    m_panel = makePanel(this);
    auto *column = new QVBoxLayout(m_panel);
    column->setContentsMargins(0, 16, 0, 0);
    column->setSpacing(6);
    const bool sheet = m_style == Style::ActionSheet;
    if (!m_title.isEmpty())
        m_labels.append(makeLabel(m_title, sheet ? 13 : 17, !sheet, sheet ? "#8f8f8f" : "#000000"));
    if (!m_message.isEmpty() || (m_title.isEmpty() && !sheet))
        m_labels.append(makeLabel(m_message, 13, false, sheet ? "#8f8f8f" : "#000000"));
    for (QLabel *label : std::as_const(m_labels))
        column->addWidget(label, 0, Qt::AlignHCenter);
    for (QLineEdit *field : m_fields) {
        field->setParent(m_panel);
        auto *row = new QHBoxLayout;
        row->setContentsMargins(16, 0, 16, 0);
        row->addWidget(field);
        column->addLayout(row);
    }
    column->addSpacing(10);

    QList<int> order;
    int cancelIndex = -1;
    for (int i = 0; i < m_actions.size(); ++i) {
        if (m_actions.at(i).style == ActionStyle::Cancel && cancelIndex < 0)
            cancelIndex = i;
        else
            order.append(i);
    }
    const auto makeButton = [this](int index, QWidget *parent) {
        auto *button = new QPushButton(m_actions.at(index).title, parent);
        button->setObjectName(QStringLiteral("alertButton"));
        button->setFixedHeight(kButtonHeight);
        button->setStyleSheet(buttonStyle(m_actions.at(index).style));
        connect(button, &QPushButton::clicked, this, [this, index]() { runAction(index); });
        return button;
    };

    if (sheet) {
        m_sheetButtons = new QScrollArea(m_panel);
        m_sheetButtons->setFrameShape(QFrame::NoFrame);
        m_sheetButtons->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_sheetButtons->setWidgetResizable(true);
        m_sheetButtons->setStyleSheet(QStringLiteral("background: transparent;"));
        auto *buttons = new QWidget;
        auto *buttonColumn = new QVBoxLayout(buttons);
        buttonColumn->setContentsMargins(0, 0, 0, 0);
        buttonColumn->setSpacing(0);
        for (int index : order)
            buttonColumn->addWidget(makeButton(index, buttons));
        m_sheetButtons->setWidget(buttons);
        KineticScrolling::enable(m_sheetButtons);
        column->addWidget(m_sheetButtons);
        if (cancelIndex >= 0) {
            m_cancelPanel = makePanel(this);
            auto *cancelColumn = new QVBoxLayout(m_cancelPanel);
            cancelColumn->setContentsMargins(0, 0, 0, 0);
            QPushButton *cancel = makeButton(cancelIndex, m_cancelPanel);
            cancel->setStyleSheet(
                cancel->styleSheet().replace("border-top: 1px solid #dcdcdc;", ""));
            cancelColumn->addWidget(cancel);
        }
    } else if (m_actions.size() == 2) {
        // Two buttons sit side by side, the cancel button on the left.
        if (cancelIndex >= 0)
            order.prepend(cancelIndex);
        auto *row = new QHBoxLayout;
        row->setSpacing(0);
        for (int index : order)
            row->addWidget(makeButton(index, m_panel));
        column->addLayout(row);
    } else {
        if (cancelIndex >= 0)
            order.append(cancelIndex);
        for (int index : order)
            column->addWidget(makeButton(index, m_panel));
    }
}

void AlertController::layoutContent()
{
    if (!m_panel)
        return;
    if (m_style == Style::Alert) {
        const int w = std::min(kAlertWidth, width() - 2 * kSheetMargin);
        for (QLabel *label : std::as_const(m_labels))
            balanceLines(label, w - 2 * kLabelMargin);
        const int h = m_panel->heightForWidth(w) > 0 ? m_panel->heightForWidth(w)
                                                     : m_panel->sizeHint().height();
        m_panel->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
        return;
    }
    const int w = width() - 2 * kSheetMargin;
    int bottom = height() - kSheetMargin;
    if (m_cancelPanel) {
        m_cancelPanel->setGeometry(kSheetMargin, bottom - kButtonHeight, w, kButtonHeight);
        bottom -= kButtonHeight + kSheetMargin;
    }
    for (QLabel *label : std::as_const(m_labels))
        balanceLines(label, w - 2 * kLabelMargin);
    // Many actions scroll rather than run into the status bar.
    const int room = bottom - (kStatusBarHeight + kSheetMargin);
    const int buttons = m_sheetButtons->widget()->sizeHint().height();
    m_sheetButtons->setFixedHeight(buttons);
    const int natural =
        m_panel->heightForWidth(w) > 0 ? m_panel->heightForWidth(w) : m_panel->sizeHint().height();
    if (natural > room)
        m_sheetButtons->setFixedHeight(std::max(kButtonHeight, buttons - (natural - room)));
    const int h = std::min(natural, room);
    m_panel->setGeometry(kSheetMargin, bottom - h, w, h);
}
