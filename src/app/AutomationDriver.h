#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class AppDelegate;
class QSocketNotifier;
class QWidget;
class ViewController;

// Drives the client from scripts: one JSON command per line on standard input, one JSON
// answer per line on standard output. Commands run one after another; waiting commands
// keep the event loop running while they wait. See docs/automation.md.
class AutomationDriver : public QObject
{
    Q_OBJECT

public:
    explicit AutomationDriver(AppDelegate *app, QObject *parent = nullptr);
    ~AutomationDriver() override;

    void start();
    // Runs one command and reports its answer through `reply` (used by start() and tests).
    void execute(const QJsonObject &command, std::function<void(const QJsonObject &)> reply);

private:
    using Reply = std::function<void(const QJsonObject &)>;

    void readInput();
    void enqueue(const QByteArray &line);
    void runNext();
    void answer(const QJsonObject &result);

    // Where commands act: the front-most overlay or screen.
    ViewController *frontScreen() const;
    QList<QWidget *> searchRoots() const;
    QWidget *findWidget(const QJsonObject &command) const;
    QWidget *findByText(const QString &text) const;
    QWidget *findByName(const QString &name) const;
    bool showsText(const QString &text) const;

    QJsonObject dump() const;
    QJsonObject dialog() const;

    void tap(QWidget *widget);
    void typeInto(QWidget *widget, const QString &text);
    void waitFor(const QJsonObject &command, Reply reply);
    void drag(QWidget *widget, const QList<QPoint> &points);

    AppDelegate *m_app;
    QSocketNotifier *m_stdin = nullptr;
    QByteArray m_pending; // input read but not yet a whole line
    QList<QByteArray> m_queue;
    bool m_busy = false;
    QList<QJsonObject> m_toasts;
};
