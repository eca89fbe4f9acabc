#include "AutomationDriver.h"

#include "AlertController.h"
#include "AppDelegate.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "DatePickerSheet.h"
#include "LoadMoreFooter.h"
#include "NavigationItem.h"
#include "PhoneWindow.h"
#include "RecordMapper.h"
#include "ScreenRegistry.h"
#include "SyntheticInput.h"
#include "TabbarView.h"
#include "TabbarViewController.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "Telephone.h"
#include "Toast.h"
#include "UserDefaults.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>
#include <utility>

namespace {

QJsonObject ok(QJsonObject fields = {})
{
    fields.insert(QStringLiteral("ok"), true);
    return fields;
}

QJsonObject fail(const QString &error)
{
    return QJsonObject{{QStringLiteral("ok"), false}, {QStringLiteral("error"), error}};
}

// Passes on the first answer only: a deferred command may try to answer again (a timer
// firing late), and a second answer would be taken for the next command's.
AutomationDriver::Reply onceOnly(AutomationDriver::Reply reply)
{
    auto answered = std::make_shared<bool>(false);
    return [reply = std::move(reply), answered](const QJsonObject &result) {
        if (std::exchange(*answered, true))
            return;
        reply(result);
    };
}

// A row a command names: its list (see ScreenWalker::findTable), and its `section` (0 when
// left out) and `row`, when that row exists.
struct NamedRow
{
    TableView *table;
    IndexPath path;
};

std::optional<NamedRow> namedRow(const ScreenWalker &screen, const QJsonObject &command,
                                 QString *error)
{
    TableView *table = screen.findTable(command, error);
    if (!table)
        return std::nullopt;
    const IndexPath path{command.value(QStringLiteral("section")).toInt(0),
                         command.value(QStringLiteral("row")).toInt(-1)};
    if (path.section < 0 || path.section >= table->numberOfSections() || path.row < 0 ||
        path.row >= table->numberOfRowsInSection(path.section)) {
        *error = QStringLiteral("no row %1 in section %2")
                     .arg(command.value(QStringLiteral("row")).toVariant().toString())
                     .arg(path.section);
        return std::nullopt;
    }
    return NamedRow{table, path};
}

// A coordinate of `drag`: any JSON number, rounded; far-off values are pulled in so the
// rounding cannot overflow.
std::optional<int> coordinate(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    return qRound(qBound(-1e6, value.toDouble(), 1e6));
}

} // namespace

AutomationDriver::AutomationDriver(AppDelegate *app, QObject *parent)
    : QObject(parent), m_app(app), m_screen(app)
{
    connect(ToastEvents::instance(), &ToastEvents::shown, this,
            [this](const QString &text, double seconds) {
                m_toasts.append(
                    {{QStringLiteral("text"), text}, {QStringLiteral("duration"), seconds}});
            });
}

AutomationDriver::~AutomationDriver() = default;

void AutomationDriver::start()
{
    m_app->window()->activateWindow();
    QApplication::setActiveWindow(m_app->window());
    // Standard input is read on the main thread whenever it has something; the end of the
    // input quits once the commands already read have run.
    m_stdin = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_stdin, &QSocketNotifier::activated, this, &AutomationDriver::readInput);
}

void AutomationDriver::readInput()
{
    char buffer[4096];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
        m_stdin->setEnabled(false);
        if (!m_pending.trimmed().isEmpty())
            enqueue(m_pending);
        enqueue("{\"cmd\":\"quit\"}");
        return;
    }
    m_pending.append(buffer, n);
    qsizetype newline;
    while ((newline = m_pending.indexOf('\n')) >= 0) {
        enqueue(m_pending.left(newline));
        m_pending.remove(0, newline + 1);
    }
}

void AutomationDriver::enqueue(const QByteArray &line)
{
    if (line.trimmed().isEmpty())
        return;
    m_queue.append(line);
    if (!m_busy)
        runNext();
}

void AutomationDriver::runNext()
{
    if (m_queue.isEmpty()) {
        m_busy = false;
        return;
    }
    m_busy = true;
    const QByteArray line = m_queue.takeFirst();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (!doc.isObject()) {
        answer(fail(QStringLiteral("not a JSON object: %1").arg(error.errorString())));
        return;
    }
    execute(doc.object(), [this](const QJsonObject &result) { answer(result); });
}

void AutomationDriver::answer(const QJsonObject &result)
{
    const QByteArray out = QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fflush(stdout);
    QTimer::singleShot(0, this, &AutomationDriver::runNext);
}

void AutomationDriver::execute(const QJsonObject &command, const Reply &reply)
{
    static const QHash<QString, DeferredHandler> deferred = {
        {QStringLiteral("wait"), &AutomationDriver::wait},
        {QStringLiteral("waitFor"), &AutomationDriver::waitFor},
    };
    static const QHash<QString, Handler> handlers = {
        {QStringLiteral("tap"), &AutomationDriver::tap},
        {QStringLiteral("tapRow"), &AutomationDriver::tapRow},
        {QStringLiteral("scrollTo"), &AutomationDriver::scrollTo},
        {QStringLiteral("loadMore"), &AutomationDriver::loadMore},
        {QStringLiteral("tab"), &AutomationDriver::tab},
        {QStringLiteral("back"), &AutomationDriver::back},
        {QStringLiteral("type"), &AutomationDriver::type},
        {QStringLiteral("clear"), &AutomationDriver::clear},
        {QStringLiteral("key"), &AutomationDriver::key},
        {QStringLiteral("dialog"), &AutomationDriver::dialog},
        {QStringLiteral("tapDialog"), &AutomationDriver::tapDialog},
        {QStringLiteral("typeDialog"), &AutomationDriver::typeDialog},
        {QStringLiteral("toasts"), &AutomationDriver::toasts},
        {QStringLiteral("dump"), &AutomationDriver::dump},
        {QStringLiteral("drag"), &AutomationDriver::drag},
        {QStringLiteral("pattern"), &AutomationDriver::pattern},
        {QStringLiteral("pickDate"), &AutomationDriver::pickDate},
        {QStringLiteral("open"), &AutomationDriver::open},
        {QStringLiteral("defaults"), &AutomationDriver::defaults},
        {QStringLiteral("session"), &AutomationDriver::session},
        {QStringLiteral("dialed"), &AutomationDriver::dialed},
        {QStringLiteral("screenshot"), &AutomationDriver::screenshot},
        {QStringLiteral("quit"), &AutomationDriver::quit},
    };
    const QString name = command.value(QStringLiteral("cmd")).toString();
    if (const DeferredHandler later = deferred.value(name))
        return (this->*later)(command, onceOnly(reply));
    const Handler now = handlers.value(name);
    reply(now ? (this->*now)(command) : fail(QStringLiteral("unknown command: %1").arg(name)));
}

void AutomationDriver::wait(const QJsonObject &command, const Reply &reply)
{
    QTimer::singleShot(command.value(QStringLiteral("ms")).toInt(), this,
                       [reply]() { reply(ok()); });
}

void AutomationDriver::waitFor(const QJsonObject &command, const Reply &reply)
{
    const bool byName = command.contains(QStringLiteral("objectName"));
    if (!byName && !command.contains(QStringLiteral("text")))
        return reply(fail(QStringLiteral("waitFor needs a text or an objectName")));
    const QString wanted =
        command.value(byName ? QStringLiteral("objectName") : QStringLiteral("text")).toString();
    const QDeadlineTimer deadline(command.value(QStringLiteral("timeout")).toInt(5000));
    auto *timer = new QTimer(this);
    const auto check = [this, byName, wanted, deadline, timer, reply]() {
        const bool found =
            byName ? m_screen.findByName(wanted) != nullptr : m_screen.showsText(wanted);
        if (!found && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        reply(found ? ok() : fail(QStringLiteral("timed out waiting")));
    };
    connect(timer, &QTimer::timeout, this, check);
    timer->start(50);
}

QJsonObject AutomationDriver::tap(const QJsonObject &command)
{
    QString error;
    QWidget *w = m_screen.findWidget(command, &error);
    if (!w)
        return fail(error);
    if (!w->isEnabled())
        return fail(QStringLiteral("widget is disabled"));
    SyntheticInput::tap(w);
    return ok();
}

QJsonObject AutomationDriver::tapRow(const QJsonObject &command)
{
    QString error;
    const std::optional<NamedRow> row = namedRow(m_screen, command, &error);
    if (!row)
        return fail(error);
    row->table->scrollToRowAtIndexPath(row->path);
    row->table->tapRowAtIndexPath(row->path);
    return ok();
}

QJsonObject AutomationDriver::scrollTo(const QJsonObject &command)
{
    QString error;
    const std::optional<NamedRow> row = namedRow(m_screen, command, &error);
    if (!row)
        return fail(error);
    row->table->scrollToRowAtIndexPath(row->path);
    const TableViewCell *cell = row->table->cellForRowAtIndexPath(row->path);
    return ok({{QStringLiteral("texts"),
                QJsonArray::fromStringList(cell ? cell->texts() : QStringList())}});
}

QJsonObject AutomationDriver::loadMore(const QJsonObject &command)
{
    QString error;
    TableView *table = m_screen.findTable(command, &error);
    if (!table)
        return fail(error);
    if (!table->loadMoreFooter())
        return fail(QStringLiteral("that list has no load-more footer"));
    table->loadMoreFooter()->beginRefreshing();
    return ok();
}

QJsonObject AutomationDriver::tab(const QJsonObject &command)
{
    TabbarViewController *tabs = m_app->tabbarController();
    if (!tabs)
        return fail(QStringLiteral("the tab bar is not shown yet"));
    const int slot = command.value(QStringLiteral("slot")).toInt();
    QPushButton *button = tabs->tabbarView()->buttonWithTag(101 + slot);
    if (!button)
        return fail(QStringLiteral("no such slot"));
    SyntheticInput::tap(button);
    return ok();
}

QJsonObject AutomationDriver::back(const QJsonObject &)
{
    ViewController *screen = m_screen.frontScreen();
    QWidget *back =
        screen && screen->navigationItem() ? screen->navigationItem()->leftWidget() : nullptr;
    if (!back)
        return fail(QStringLiteral("the screen has no back button"));
    SyntheticInput::tap(back);
    return ok();
}

QJsonObject AutomationDriver::type(const QJsonObject &command)
{
    QString error;
    QLineEdit *field = m_screen.findTextField(command, &error);
    if (!field)
        return fail(error);
    SyntheticInput::typeText(field, command.value(QStringLiteral("text")).toString());
    return ok();
}

QJsonObject AutomationDriver::clear(const QJsonObject &command)
{
    QString error;
    QLineEdit *field = m_screen.findTextField(command, &error);
    if (!field)
        return fail(error);
    field->clear();
    return ok();
}

QJsonObject AutomationDriver::key(const QJsonObject &command)
{
    const QString name = command.value(QStringLiteral("key")).toString(QStringLiteral("Return"));
    const std::optional<Qt::Key> key = SyntheticInput::keyNamed(name);
    if (!key)
        return fail(QStringLiteral("unknown key \"%1\"").arg(name));
    QString error;
    QLineEdit *field = m_screen.findTextField(command, &error);
    if (!field)
        return fail(error);
    SyntheticInput::pressKey(field, *key);
    return ok();
}

QJsonObject AutomationDriver::dialog(const QJsonObject &)
{
    return ok({{QStringLiteral("dialog"), m_screen.describeDialog()}});
}

QJsonObject AutomationDriver::tapDialog(const QJsonObject &command)
{
    AlertController *alert = AlertController::frontMost(m_app->window());
    if (!alert)
        return fail(QStringLiteral("no dialog"));
    const QString title = command.value(QStringLiteral("button")).toString();
    for (QPushButton *b : alert->findChildren<QPushButton *>()) {
        if (b->text() == title) {
            SyntheticInput::tap(b);
            return ok();
        }
    }
    return fail(QStringLiteral("no button %1").arg(title));
}

QJsonObject AutomationDriver::typeDialog(const QJsonObject &command)
{
    AlertController *alert = AlertController::frontMost(m_app->window());
    const int index = command.value(QStringLiteral("field")).toInt();
    if (!alert || index < 0 || index >= alert->textFields().size())
        return fail(QStringLiteral("no such dialog field"));
    SyntheticInput::typeText(alert->textFields().at(index),
                             command.value(QStringLiteral("text")).toString());
    return ok();
}

QJsonObject AutomationDriver::toasts(const QJsonObject &)
{
    QJsonArray list;
    for (const QJsonObject &t : std::as_const(m_toasts))
        list.append(t);
    m_toasts.clear();
    return ok({{QStringLiteral("toasts"), list}});
}

QJsonObject AutomationDriver::dump(const QJsonObject &)
{
    return ok(m_screen.describeScreen());
}

QJsonObject AutomationDriver::drag(const QJsonObject &command)
{
    QWidget *w = m_screen.findByName(
        command.value(QStringLiteral("objectName")).toString(QStringLiteral("circleView")));
    if (!w)
        return fail(QStringLiteral("no visible widget to drag on"));
    QList<QPoint> points;
    for (const QJsonValue &p : command.value(QStringLiteral("points")).toArray()) {
        const QJsonArray xy = p.toArray();
        const std::optional<int> x = coordinate(xy.at(0));
        const std::optional<int> y = coordinate(xy.at(1));
        if (xy.size() != 2 || !x || !y)
            return fail(QStringLiteral("points are [[x, y], ...] with numbers"));
        points.append(QPoint(*x, *y));
    }
    if (points.isEmpty())
        return fail(QStringLiteral("no points to drag through"));
    SyntheticInput::drag(w, points);
    return ok();
}

QJsonObject AutomationDriver::pattern(const QJsonObject &command)
{
    QWidget *pad = m_screen.findByName(
        command.value(QStringLiteral("objectName")).toString(QStringLiteral("circleView")));
    if (!pad)
        return fail(QStringLiteral("no visible pattern pad"));
    QList<QPoint> points;
    for (const QChar digit : command.value(QStringLiteral("digits")).toString()) {
        QPointF centre;
        if (!QMetaObject::invokeMethod(pad, "centerOfCircle", Q_RETURN_ARG(QPointF, centre),
                                       Q_ARG(int, digit.digitValue())))
            return fail(QStringLiteral("that widget is not a pattern pad"));
        points.append(centre.toPoint());
    }
    if (points.isEmpty())
        return fail(QStringLiteral("no digits to draw"));
    SyntheticInput::drag(pad, points);
    return ok();
}

QJsonObject AutomationDriver::pickDate(const QJsonObject &command)
{
    DatePickerSheet *sheet = DatePickerSheet::frontMost(m_app->window());
    if (!sheet && command.contains(QStringLiteral("objectName"))) {
        if (QWidget *opener =
                m_screen.findByName(command.value(QStringLiteral("objectName")).toString()))
            SyntheticInput::tap(opener);
        sheet = DatePickerSheet::frontMost(m_app->window());
    }
    const QDate date =
        QDate::fromString(command.value(QStringLiteral("date")).toString(), Qt::ISODate);
    if (!sheet || !date.isValid())
        return fail(QStringLiteral("no date picker, or not a yyyy-MM-dd date"));
    sheet->pick(date);
    return ok();
}

QJsonObject AutomationDriver::open(const QJsonObject &command)
{
    ViewController *front = m_screen.frontScreen();
    if (!front)
        return fail(QStringLiteral("nothing to open it from"));
    QString error;
    ViewController *screen = ScreenRegistry::instance().create(
        command.value(QStringLiteral("screen")).toString(),
        command.value(QStringLiteral("properties")).toObject(), &error);
    if (!screen)
        return fail(error);
    if (front->navigationController())
        front->navigationController()->pushViewController(screen, true);
    else
        front->presentViewController(screen, true);
    return ok();
}

QJsonObject AutomationDriver::defaults(const QJsonObject &)
{
    return ok({{QStringLiteral("defaults"), UserDefaults::standard().toJson()}});
}

QJsonObject AutomationDriver::session(const QJsonObject &)
{
    const auto &user = Constant::shareConstant()->currentUser();
    return ok({{QStringLiteral("IsLogin"), Constant::shareConstant()->IsLogin()},
               {QStringLiteral("currentUser"),
                user ? QJsonValue(RecordMapper::toJson(*user)) : QJsonValue()}});
}

QJsonObject AutomationDriver::dialed(const QJsonObject &)
{
    return ok({{QStringLiteral("dialed"), QJsonArray::fromStringList(Telephone::dialedUrls())}});
}

QJsonObject AutomationDriver::screenshot(const QJsonObject &command)
{
    const QString path = command.value(QStringLiteral("path")).toString();
    if (!m_app->window()->grab().save(path))
        return fail(QStringLiteral("cannot write %1").arg(path));
    return ok({{QStringLiteral("path"), path}});
}

QJsonObject AutomationDriver::quit(const QJsonObject &)
{
    // Queued, so the answer is written before the event loop ends.
    QTimer::singleShot(0, qApp, &QApplication::quit);
    return ok();
}
