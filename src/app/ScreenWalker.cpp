#include "ScreenWalker.h"

#include "AlertController.h"
#include "AppDelegate.h"
#include "BaseNavigationViewController.h"
#include "NavigationBar.h"
#include "PhoneWindow.h"
#include "TabbarView.h"
#include "TabbarViewController.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "Toast.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>

namespace {

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

QString compact(const QJsonObject &command)
{
    return QString::fromUtf8(QJsonDocument(command).toJson(QJsonDocument::Compact));
}

QJsonObject describeTable(TableView *table)
{
    QJsonArray rows;
    for (const IndexPath &path : table->indexPathsForVisibleRows()) {
        const TableViewCell *cell = table->cellForRowAtIndexPath(path);
        rows.append(
            QJsonObject{{QStringLiteral("section"), path.section},
                        {QStringLiteral("row"), path.row},
                        {QStringLiteral("texts"),
                         QJsonArray::fromStringList(cell ? cell->texts() : QStringList())}});
    }
    // Only the visible rows exist; the counts tell a script how far `scrollTo` can go.
    QJsonArray rowCounts;
    for (int section = 0; section < table->numberOfSections(); ++section)
        rowCounts.append(table->numberOfRowsInSection(section));
    return QJsonObject{{QStringLiteral("objectName"), table->objectName()},
                       {QStringLiteral("rows"), rows},
                       {QStringLiteral("rowCounts"), rowCounts}};
}

} // namespace

ScreenWalker::ScreenWalker(AppDelegate *app) : m_app(app) {}

ViewController *ScreenWalker::frontScreen() const
{
    return descend(m_app->window()->rootViewController());
}

QList<QWidget *> ScreenWalker::searchRoots() const
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

QWidget *ScreenWalker::findByName(const QString &name) const
{
    for (QWidget *root : searchRoots()) {
        for (QWidget *w : visibleTree(root)) {
            if (w->objectName() == name)
                return w;
        }
    }
    return nullptr;
}

QWidget *ScreenWalker::findByText(const QString &text) const
{
    for (QWidget *root : searchRoots()) {
        for (QWidget *w : visibleTree(root)) {
            if (widgetText(w) == text && w->isEnabled())
                return w;
        }
    }
    return nullptr;
}

QWidget *ScreenWalker::findWidget(const QJsonObject &command, QString *error) const
{
    QWidget *w = nullptr;
    if (command.contains(QStringLiteral("objectName")))
        w = findByName(command.value(QStringLiteral("objectName")).toString());
    else if (command.contains(QStringLiteral("text")))
        w = findByText(command.value(QStringLiteral("text")).toString());
    if (!w)
        *error = QStringLiteral("no visible widget for %1").arg(compact(command));
    return w;
}

QLineEdit *ScreenWalker::findTextField(const QJsonObject &command, QString *error) const
{
    QWidget *w = findWidget(command, error);
    auto *field = qobject_cast<QLineEdit *>(w);
    if (w && !field)
        *error = QStringLiteral("%1 is not a text field")
                     .arg(QString::fromLatin1(w->metaObject()->className()));
    return field;
}

TableView *ScreenWalker::findTable(const QJsonObject &command, QString *error) const
{
    if (command.contains(QStringLiteral("table"))) {
        const QString name = command.value(QStringLiteral("table")).toString();
        QWidget *w = findByName(name);
        auto *table = qobject_cast<TableView *>(w);
        if (!table)
            *error = w ? QStringLiteral("\"%1\" is not a list").arg(name)
                       : QStringLiteral("no visible list named \"%1\"").arg(name);
        return table;
    }
    for (QWidget *root : searchRoots()) {
        for (QWidget *w : visibleTree(root)) {
            if (auto *table = qobject_cast<TableView *>(w))
                return table;
        }
    }
    *error = QStringLiteral("no visible list");
    return nullptr;
}

bool ScreenWalker::showsText(const QString &text) const
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

QJsonValue ScreenWalker::describeDialog() const
{
    AlertController *alert = AlertController::frontMost(m_app->window());
    if (!alert)
        return QJsonValue::Null;
    QJsonArray fields;
    for (QLineEdit *field : alert->textFields())
        fields.append(QJsonObject{{QStringLiteral("text"), field->text()},
                                  {QStringLiteral("placeholder"), field->placeholderText()}});
    return QJsonObject{
        {QStringLiteral("kind"), alert->style() == AlertController::Style::Alert
                                     ? QStringLiteral("alert")
                                     : QStringLiteral("sheet")},
        {QStringLiteral("title"), alert->title()},
        {QStringLiteral("message"), alert->message()},
        {QStringLiteral("buttons"), QJsonArray::fromStringList(alert->actionTitles())},
        {QStringLiteral("fields"), fields}};
}

QJsonObject ScreenWalker::describeScreen() const
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
            if (auto *table = qobject_cast<TableView *>(w))
                tables.append(describeTable(table));
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
    return QJsonObject{
        {QStringLiteral("screen"),
         screen ? QString::fromLatin1(screen->metaObject()->className()) : QString()},
        {QStringLiteral("title"), screen ? screen->title() : QString()},
        {QStringLiteral("stack"), stack},
        {QStringLiteral("tab"), tabs ? tabs->selectedSlot() : -1},
        {QStringLiteral("tabBarHidden"), tabs ? tabs->isTabBarHidden() : true},
        {QStringLiteral("widgets"), widgets},
        {QStringLiteral("tables"), tables}};
}
