#pragma once

#include "OverlayView.h"

#include <QList>
#include <QString>
#include <functional>

class QLineEdit;
class QVBoxLayout;
class QFrame;
class QLabel;
class QScrollArea;

// Alerts and action sheets in the phone window, modal over everything below them.
// Tapping any button closes the alert, then runs that button's handler.
class AlertController : public OverlayView
{
    Q_OBJECT

public:
    enum class Style
    {
        Alert,
        ActionSheet
    };
    enum class ActionStyle
    {
        Default,
        Cancel,
        Destructive
    };

    AlertController(QWidget *over, const QString &title, const QString &message,
                    Style style = Style::Alert);

    void addAction(const QString &title, ActionStyle style, std::function<void()> handler = {});
    // A text field below the message; configure sets placeholder, echo mode, input hints.
    QLineEdit *addTextField(const std::function<void(QLineEdit *)> &configure = {});

    void open();

    Style style() const { return m_style; }
    QString title() const { return m_title; }
    QString message() const { return m_message; }
    QStringList actionTitles() const;
    QList<QLineEdit *> textFields() const { return m_fields; }

    // Presses the button with that title as a touch would; false when there is none.
    bool tapAction(const QString &title);

    // The front-most alert or sheet over that widget's window, if any.
    static AlertController *frontMost(QWidget *widget);

    // The one-button message alert: no title, the message, "取消".
    static AlertController *showMessage(QWidget *over, const QString &message);

protected:
    void layoutContent() override;

private:
    struct Action
    {
        QString title;
        ActionStyle style;
        std::function<void()> handler;
    };

    void build();
    void runAction(int index);

    Style m_style;
    QString m_title;
    QString m_message;
    QList<Action> m_actions;
    QList<QLineEdit *> m_fields;
    QFrame *m_panel = nullptr;
    QFrame *m_cancelPanel = nullptr;
    QList<QLabel *> m_labels;              // title and message
    QScrollArea *m_sheetButtons = nullptr; // a sheet's buttons, scrolling when they are many
    bool m_handled = false;
};
