#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class AppDelegate;
class QLineEdit;
class QWidget;
class TableView;
class ViewController;

// What the automation driver sees: the front-most overlay or screen, the widgets a command
// names, and the descriptions `dump` and `dialog` answer with. Finders that can fail say why
// in `error`, so every refusal names what was missing.
class ScreenWalker final
{
    Q_DISABLE_COPY_MOVE(ScreenWalker)

public:
    explicit ScreenWalker(AppDelegate *app);

    ViewController *frontScreen() const;
    QWidget *findByName(const QString &name) const;
    // By `objectName` when the command has one, otherwise by `text` (enabled widgets only).
    QWidget *findWidget(const QJsonObject &command, QString *error) const;
    QLineEdit *findTextField(const QJsonObject &command, QString *error) const;
    // By the `table` object name when given, otherwise the first visible list.
    TableView *findTable(const QJsonObject &command, QString *error) const;
    // A visible widget, alert or toast shows exactly that text.
    bool showsText(const QString &text) const;

    QJsonObject describeScreen() const;
    // The open alert or sheet, or null.
    QJsonValue describeDialog() const;

private:
    QList<QWidget *> searchRoots() const;
    QWidget *findByText(const QString &text) const;

    AppDelegate *m_app;
};
