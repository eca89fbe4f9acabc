#include "AutomationDriver.h"

#include "AlertController.h"
#include "AppDelegate.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "DatePickerSheet.h"
#include "LoadMoreFooter.h"
#include "NavigationBar.h"
#include "NavigationItem.h"
#include "PhoneWindow.h"
#include "RecordMapper.h"
#include "ScreenRegistry.h"
#include "TabbarView.h"
#include "TabbarViewController.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "Telephone.h"
#include "Toast.h"
#include "UserDefaults.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

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

QString widgetText(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (auto *field = qobject_cast<const QLineEdit *>(w))
        return field->text();
    return QString();
}

bool isShown(const QWidget *w)
{
    return w && w->isVisible() && w->width() > 0 && w->height() > 0;
}

// Visible widgets under a root, the root first.
QList<QWidget *> visibleTree(QWidget *root)
{
    QList<QWidget *> out;
    if (!isShown(root))
        return out;
    out.append(root);
    for (QWidget *child : root->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        out.append(visibleTree(child));
    }
    return out;
}

void sendMouse(QWidget *w, QEvent::Type type, QPointF local, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, w->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

ViewController *descend(ViewController *controller)
{
    while (controller) {
        if (ViewController *presented = controller->presentedViewController()) {
            controller = presented;
            continue;
        }
        if (auto *tabs = qobject_cast<TabbarViewController *>(controller)) {
            controller = tabs->navigationForSlot(tabs->selectedSlot());
            continue;
        }
        if (auto *nav = qobject_cast<BaseNavigationViewController *>(controller)) {
            ViewController *top = nav->topViewController();
            if (!top || top == controller)
                return controller;
            controller = top;
            continue;
        }
        return controller;
    }
    return nullptr;
}

} // namespace

AutomationDriver::AutomationDriver(AppDelegate *app, QObject *parent) : QObject(parent), m_app(app)
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

ViewController *AutomationDriver::frontScreen() const
{
    return descend(m_app->window()->rootViewController());
}

QList<QWidget *> AutomationDriver::searchRoots() const
{
    QList<QWidget *> roots;
    const auto overlays = OverlayView::overlaysOver(m_app->window());
    for (auto it = overlays.crbegin(); it != overlays.crend(); ++it) {
        if (!qobject_cast<Toast *>(*it))
            roots.append(*it);
    }
    // A modal overlay hides everything below it from touches.
    if (!roots.isEmpty())
        return roots;
    ViewController *screen = frontScreen();
    if (screen) {
        roots.append(screen);
        if (BaseNavigationViewController *nav = screen->navigationController())
            roots.append(nav->navigationBar());
    }
    if (TabbarViewController *tabs = m_app->tabbarController(); tabs && !tabs->isTabBarHidden())
        roots.append(tabs->tabbarView());
    return roots;
}

QWidget *AutomationDriver::findByName(const QString &name) const
{
    for (QWidget *root : searchRoots()) {
        for (QWidget *w : visibleTree(root)) {
            if (w->objectName() == name)
                return w;
        }
    }
    return nullptr;
}

QWidget *AutomationDriver::findByText(const QString &text) const
{
    for (QWidget *root : searchRoots()) {
        for (QWidget *w : visibleTree(root)) {
            if (widgetText(w) == text && w->isEnabled())
                return w;
        }
    }
    return nullptr;
}

QWidget *AutomationDriver::findWidget(const QJsonObject &command) const
{
    if (command.contains(QStringLiteral("objectName")))
        return findByName(command.value(QStringLiteral("objectName")).toString());
    return findByText(command.value(QStringLiteral("text")).toString());
}

bool AutomationDriver::showsText(const QString &text) const
{
    for (OverlayView *overlay : OverlayView::overlaysOver(m_app->window())) {
        if (auto *toast = qobject_cast<Toast *>(overlay); toast && toast->text() == text)
            return true;
        if (auto *alert = qobject_cast<AlertController *>(overlay);
            alert && (alert->title() == text || alert->message() == text ||
                      alert->actionTitles().contains(text)))
            return true;
    }
    for (QWidget *root : searchRoots()) {
        for (QWidget *w : visibleTree(root)) {
            if (widgetText(w) == text)
                return true;
        }
    }
    return false;
}

void AutomationDriver::tap(QWidget *widget)
{
    if (qobject_cast<QLineEdit *>(widget)) {
        widget->setFocus(Qt::MouseFocusReason);
        return;
    }
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    sendMouse(widget, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, centre, Qt::NoButton);
}

void AutomationDriver::typeInto(QWidget *widget, const QString &text)
{
    widget->setFocus(Qt::OtherFocusReason);
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

void AutomationDriver::drag(QWidget *widget, const QList<QPoint> &points)
{
    if (points.isEmpty())
        return;
    sendMouse(widget, QEvent::MouseButtonPress, points.first(), Qt::LeftButton);
    for (const QPoint &p : points.mid(1))
        sendMouse(widget, QEvent::MouseMove, p, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, points.last(), Qt::NoButton);
}

void AutomationDriver::waitFor(const QJsonObject &command, Reply reply)
{
    const int timeout = command.value(QStringLiteral("timeout")).toInt(5000);
    auto *timer = new QTimer(this);
    auto *clock = new QElapsedTimer;
    clock->start();
    const auto check = [this, command, reply, timer, clock, timeout]() {
        const bool found =
            command.contains(QStringLiteral("objectName"))
                ? findByName(command.value(QStringLiteral("objectName")).toString()) != nullptr
                : showsText(command.value(QStringLiteral("text")).toString());
        if (!found && clock->elapsed() < timeout)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        reply(found ? ok() : fail(QStringLiteral("timed out waiting")));
    };
    connect(timer, &QTimer::timeout, this, check);
    timer->start(50);
}

QJsonObject AutomationDriver::dialog() const
{
    AlertController *alert = AlertController::frontMost(m_app->window());
    if (!alert)
        return ok({{QStringLiteral("dialog"), QJsonValue::Null}});
    QJsonArray fields;
    for (QLineEdit *field : alert->textFields())
        fields.append(QJsonObject{{QStringLiteral("text"), field->text()},
                                  {QStringLiteral("placeholder"), field->placeholderText()}});
    return ok({{QStringLiteral("dialog"),
                QJsonObject{
                    {QStringLiteral("kind"), alert->style() == AlertController::Style::Alert
                                                 ? QStringLiteral("alert")
                                                 : QStringLiteral("sheet")},
                    {QStringLiteral("title"), alert->title()},
                    {QStringLiteral("message"), alert->message()},
                    {QStringLiteral("buttons"), QJsonArray::fromStringList(alert->actionTitles())},
                    {QStringLiteral("fields"), fields}}}});
}

QJsonObject AutomationDriver::dump() const
{
    ViewController *screen = frontScreen();
    QJsonArray stack;
    if (screen && screen->navigationController()) {
        for (ViewController *c : screen->navigationController()->viewControllers())
            stack.append(QString::fromLatin1(c->metaObject()->className()));
    }
    QJsonArray widgets;
    QJsonArray tables;
    QWidget *window = m_app->window();
    for (QWidget *root : searchRoots()) {
        for (QWidget *w : visibleTree(root)) {
            if (auto *table = qobject_cast<TableView *>(w)) {
                QJsonArray rows;
                for (const IndexPath &path : table->indexPathsForVisibleRows())
                    rows.append(QJsonObject{
                        {QStringLiteral("section"), path.section},
                        {QStringLiteral("row"), path.row},
                        {QStringLiteral("texts"),
                         QJsonArray::fromStringList(table->cellForRowAtIndexPath(path)->texts())}});
                tables.append(QJsonObject{{QStringLiteral("objectName"), table->objectName()},
                                          {QStringLiteral("rows"), rows}});
            }
            if (w->objectName().isEmpty() && widgetText(w).isEmpty())
                continue;
            const QPoint at = w->mapTo(window, QPoint(0, 0));
            widgets.append(QJsonObject{
                {QStringLiteral("class"), QString::fromLatin1(w->metaObject()->className())},
                {QStringLiteral("objectName"), w->objectName()},
                {QStringLiteral("text"), widgetText(w)},
                {QStringLiteral("visible"), true},
                {QStringLiteral("enabled"), w->isEnabled()},
                {QStringLiteral("x"), at.x()},
                {QStringLiteral("y"), at.y()},
                {QStringLiteral("w"), w->width()},
                {QStringLiteral("h"), w->height()}});
        }
    }
    TabbarViewController *tabs = m_app->tabbarController();
    return ok({{QStringLiteral("screen"),
                screen ? QString::fromLatin1(screen->metaObject()->className()) : QString()},
               {QStringLiteral("title"), screen ? screen->title() : QString()},
               {QStringLiteral("stack"), stack},
               {QStringLiteral("tab"), tabs ? tabs->selectedSlot() : -1},
               {QStringLiteral("tabBarHidden"), tabs ? tabs->isTabBarHidden() : true},
               {QStringLiteral("widgets"), widgets},
               {QStringLiteral("tables"), tables}});
}

void AutomationDriver::execute(const QJsonObject &command, Reply reply)
{
    const QString cmd = command.value(QStringLiteral("cmd")).toString();
    const auto needWidget = [&]() -> QWidget * {
        QWidget *w = findWidget(command);
        if (!w)
            reply(fail(QStringLiteral("no visible widget for %1")
                           .arg(QString::fromUtf8(
                               QJsonDocument(command).toJson(QJsonDocument::Compact)))));
        return w;
    };

    if (cmd == QLatin1String("wait")) {
        QTimer::singleShot(command.value(QStringLiteral("ms")).toInt(), this,
                           [reply]() { reply(ok()); });
    } else if (cmd == QLatin1String("waitFor")) {
        waitFor(command, reply);
    } else if (cmd == QLatin1String("tap")) {
        if (QWidget *w = needWidget()) {
            if (!w->isEnabled())
                return reply(fail(QStringLiteral("widget is disabled")));
            tap(w);
            reply(ok());
        }
    } else if (cmd == QLatin1String("tapRow")) {
        TableView *table = nullptr;
        if (command.contains(QStringLiteral("table")))
            table = qobject_cast<TableView *>(
                findByName(command.value(QStringLiteral("table")).toString()));
        for (QWidget *root : searchRoots()) {
            for (QWidget *w : visibleTree(root)) {
                if (!table)
                    table = qobject_cast<TableView *>(w);
            }
        }
        if (!table)
            return reply(fail(QStringLiteral("no visible table")));
        const IndexPath path{command.value(QStringLiteral("section")).toInt(0),
                             command.value(QStringLiteral("row")).toInt()};
        if (path.row >= table->numberOfRowsInSection(path.section))
            return reply(fail(QStringLiteral("no such row")));
        table->scrollToRowAtIndexPath(path);
        table->tapRowAtIndexPath(path);
        reply(ok());
    } else if (cmd == QLatin1String("tab")) {
        TabbarViewController *tabs = m_app->tabbarController();
        if (!tabs)
            return reply(fail(QStringLiteral("the tab bar is not shown yet")));
        const int slot = command.value(QStringLiteral("slot")).toInt();
        QPushButton *button = tabs->tabbarView()->buttonWithTag(101 + slot);
        if (!button)
            return reply(fail(QStringLiteral("no such slot")));
        tap(button);
        reply(ok());
    } else if (cmd == QLatin1String("back")) {
        ViewController *screen = frontScreen();
        QWidget *back =
            screen && screen->navigationItem() ? screen->navigationItem()->leftWidget() : nullptr;
        if (!back)
            return reply(fail(QStringLiteral("the screen has no back button")));
        tap(back);
        reply(ok());
    } else if (cmd == QLatin1String("type") || cmd == QLatin1String("clear") ||
               cmd == QLatin1String("key")) {
        auto *field = qobject_cast<QLineEdit *>(needWidget());
        if (!field)
            return;
        if (cmd == QLatin1String("clear")) {
            field->clear();
        } else if (cmd == QLatin1String("type")) {
            typeInto(field, command.value(QStringLiteral("text")).toString());
        } else {
            field->setFocus();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(field, &press);
        }
        reply(ok());
    } else if (cmd == QLatin1String("dialog")) {
        reply(dialog());
    } else if (cmd == QLatin1String("tapDialog")) {
        AlertController *alert = AlertController::frontMost(m_app->window());
        if (!alert)
            return reply(fail(QStringLiteral("no dialog")));
        const QString title = command.value(QStringLiteral("button")).toString();
        for (QPushButton *b : alert->findChildren<QPushButton *>()) {
            if (b->text() == title) {
                tap(b);
                return reply(ok());
            }
        }
        reply(fail(QStringLiteral("no button %1").arg(title)));
    } else if (cmd == QLatin1String("typeDialog")) {
        AlertController *alert = AlertController::frontMost(m_app->window());
        const int index = command.value(QStringLiteral("field")).toInt();
        if (!alert || index < 0 || index >= alert->textFields().size())
            return reply(fail(QStringLiteral("no such dialog field")));
        typeInto(alert->textFields().at(index), command.value(QStringLiteral("text")).toString());
        reply(ok());
    } else if (cmd == QLatin1String("toasts")) {
        QJsonArray list;
        for (const QJsonObject &t : std::as_const(m_toasts))
            list.append(t);
        m_toasts.clear();
        reply(ok({{QStringLiteral("toasts"), list}}));
    } else if (cmd == QLatin1String("dump")) {
        reply(dump());
    } else if (cmd == QLatin1String("drag") || cmd == QLatin1String("pattern")) {
        QWidget *pad = command.contains(QStringLiteral("objectName"))
                           ? findByName(command.value(QStringLiteral("objectName")).toString())
                           : findByName(QStringLiteral("circleView"));
        if (!pad)
            return reply(fail(QStringLiteral("no visible widget to drag on")));
        QList<QPoint> points;
        if (cmd == QLatin1String("drag")) {
            for (const QJsonValue &p : command.value(QStringLiteral("points")).toArray())
                points.append(QPoint(p.toArray().at(0).toInt(), p.toArray().at(1).toInt()));
        } else {
            for (const QChar digit : command.value(QStringLiteral("digits")).toString()) {
                QPointF centre;
                if (!QMetaObject::invokeMethod(pad, "centerOfCircle", Q_RETURN_ARG(QPointF, centre),
                                               Q_ARG(int, digit.digitValue())))
                    return reply(fail(QStringLiteral("that widget is not a pattern pad")));
                points.append(centre.toPoint());
            }
        }
        drag(pad, points);
        reply(ok());
    } else if (cmd == QLatin1String("loadMore")) {
        TableView *table = nullptr;
        for (QWidget *root : searchRoots()) {
            for (QWidget *w : visibleTree(root)) {
                auto *t = qobject_cast<TableView *>(w);
                const QString wanted = command.value(QStringLiteral("table")).toString();
                if (!table && t && t->loadMoreFooter() &&
                    (wanted.isEmpty() || t->objectName() == wanted))
                    table = t;
            }
        }
        if (!table)
            return reply(fail(QStringLiteral("no list with a load-more footer")));
        table->loadMoreFooter()->beginRefreshing();
        reply(ok());
    } else if (cmd == QLatin1String("pickDate")) {
        DatePickerSheet *sheet = DatePickerSheet::frontMost(m_app->window());
        if (!sheet && command.contains(QStringLiteral("objectName"))) {
            if (QWidget *opener =
                    findByName(command.value(QStringLiteral("objectName")).toString()))
                tap(opener);
            sheet = DatePickerSheet::frontMost(m_app->window());
        }
        const QDate date =
            QDate::fromString(command.value(QStringLiteral("date")).toString(), Qt::ISODate);
        if (!sheet || !date.isValid())
            return reply(fail(QStringLiteral("no date picker, or not a yyyy-MM-dd date")));
        sheet->pick(date);
        reply(ok());
    } else if (cmd == QLatin1String("open")) {
        QString error;
        ViewController *screen = ScreenRegistry::instance().create(
            command.value(QStringLiteral("screen")).toString(),
            command.value(QStringLiteral("properties")).toObject(), &error);
        if (!screen)
            return reply(fail(error));
        ViewController *front = frontScreen();
        if (front && front->navigationController())
            front->navigationController()->pushViewController(screen, true);
        else if (front)
            front->presentViewController(screen, true);
        else
            return reply(fail(QStringLiteral("nothing to open it from")));
        reply(ok());
    } else if (cmd == QLatin1String("defaults")) {
        reply(ok({{QStringLiteral("defaults"), UserDefaults::standard().toJson()}}));
    } else if (cmd == QLatin1String("session")) {
        const auto &user = Constant::shareConstant()->currentUser();
        reply(ok({{QStringLiteral("IsLogin"), Constant::shareConstant()->IsLogin()},
                  {QStringLiteral("currentUser"),
                   user ? QJsonValue(RecordMapper::toJson(*user)) : QJsonValue()}}));
    } else if (cmd == QLatin1String("dialed")) {
        reply(
            ok({{QStringLiteral("dialed"), QJsonArray::fromStringList(Telephone::dialedUrls())}}));
    } else if (cmd == QLatin1String("screenshot")) {
        const QString path = command.value(QStringLiteral("path")).toString();
        if (!m_app->window()->grab().save(path))
            return reply(fail(QStringLiteral("cannot write %1").arg(path)));
        reply(ok({{QStringLiteral("path"), path}}));
    } else if (cmd == QLatin1String("quit")) {
        reply(ok());
        QTimer::singleShot(0, qApp, &QApplication::quit);
    } else {
        reply(fail(QStringLiteral("unknown command: %1").arg(cmd)));
    }
}
