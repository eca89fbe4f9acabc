#pragma once

#include "ScreenWalker.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <functional>

class AppDelegate;
class QSocketNotifier;

// Drives the client from scripts: one JSON command per line on standard input, one JSON
// answer per line on standard output. Commands run one after another; waiting commands
// keep the event loop running while they wait. See docs/automation.md.
//
// Each command is a handler in one table. A handler returns its answer, so every command
// answers exactly once; only `wait` and `waitFor` answer later, through a reply that
// passes on the first answer alone.
class AutomationDriver final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutomationDriver)

public:
    using Reply = std::function<void(const QJsonObject &)>;

    explicit AutomationDriver(AppDelegate *app, QObject *parent = nullptr);
    ~AutomationDriver() override;

    void start();
    // Runs one command and reports its answer through `reply` (used by start() and tests).
    void execute(const QJsonObject &command, const Reply &reply);

private:
    using Handler = QJsonObject (AutomationDriver::*)(const QJsonObject &);
    using DeferredHandler = void (AutomationDriver::*)(const QJsonObject &, const Reply &);

    void readInput();
    void enqueue(const QByteArray &line);
    void runNext();
    void answer(const QJsonObject &result);

    void wait(const QJsonObject &command, const Reply &reply);
    void waitFor(const QJsonObject &command, const Reply &reply);

    QJsonObject tap(const QJsonObject &command);
    QJsonObject tapRow(const QJsonObject &command);
    QJsonObject scrollTo(const QJsonObject &command);
    QJsonObject loadMore(const QJsonObject &command);
    QJsonObject tab(const QJsonObject &command);
    QJsonObject back(const QJsonObject &command);
    QJsonObject type(const QJsonObject &command);
    QJsonObject clear(const QJsonObject &command);
    QJsonObject key(const QJsonObject &command);
    QJsonObject dialog(const QJsonObject &command);
    QJsonObject tapDialog(const QJsonObject &command);
    QJsonObject typeDialog(const QJsonObject &command);
    QJsonObject toasts(const QJsonObject &command);
    QJsonObject dump(const QJsonObject &command);
    QJsonObject drag(const QJsonObject &command);
    QJsonObject pattern(const QJsonObject &command);
    QJsonObject pickDate(const QJsonObject &command);
    QJsonObject open(const QJsonObject &command);
    QJsonObject defaults(const QJsonObject &command);
    QJsonObject session(const QJsonObject &command);
    QJsonObject dialed(const QJsonObject &command);
    QJsonObject screenshot(const QJsonObject &command);
    QJsonObject quit(const QJsonObject &command);

    AppDelegate *m_app;
    ScreenWalker m_screen;
    QSocketNotifier *m_stdin = nullptr;
    QByteArray m_pending; // input read but not yet a whole line
    QList<QByteArray> m_queue;
    bool m_busy = false;
    QList<QJsonObject> m_toasts;
};
