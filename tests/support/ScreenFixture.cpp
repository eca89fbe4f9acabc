#include "ScreenFixture.h"

#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "PhoneWindow.h"
#include "QZLoginModel.h"
#include "RecordMapper.h"
#include "RootViewController.h"
#include "SessionStore.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "TestPhone.h"
#include "Toast.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

ScreenFixture::ScreenFixture()
    : m_requests(&m_gateway.gateway(), &DemoGateway::requestReceived),
      m_toasts(ToastEvents::instance(), &ToastEvents::shown),
      m_window(std::make_unique<PhoneWindow>()), m_opener(new RootViewController)
{
    m_nav = showInActivePhone(*m_window, m_opener);
}

ScreenFixture::~ScreenFixture() = default;

void ScreenFixture::pushScreen(RootViewController *screen)
{
    m_nav->pushViewController(screen, false);
}

RootViewController *ScreenFixture::topScreen() const
{
    return qobject_cast<RootViewController *>(m_nav->topViewController());
}

QStringList ScreenFixture::sentCodes() const
{
    QStringList codes;
    for (const QList<QVariant> &request : m_requests)
        codes.append(request.at(0).toString());
    return codes;
}

QStringList ScreenFixture::toastTexts() const
{
    QStringList texts;
    for (const QList<QVariant> &toast : m_toasts)
        texts.append(toast.at(0).toString());
    return texts;
}

QList<double> ScreenFixture::toastDurations() const
{
    QList<double> durations;
    for (const QList<QVariant> &toast : m_toasts)
        durations.append(toast.at(1).toDouble());
    return durations;
}

AlertController *ScreenFixture::alert() const
{
    return AlertController::frontMost(m_window.get());
}

QString ScreenFixture::waitForAlertMessage() const
{
    if (!QTest::qWaitFor([this]() { return alert() != nullptr; }, 5000))
        return QStringLiteral("<no alert>");
    return alert()->message();
}

void ScreenFixture::dismissAlerts()
{
    while (AlertController *open = alert()) {
        open->tapAction(open->actionTitles().last());
        if (!QTest::qWaitFor([this, open]() { return alert() != open; }, 5000))
            return;
    }
}

void ScreenFixture::signIn(const QString &khbh)
{
    SessionStore::beginSession(RecordMapper::map<QZLoginModel>(gateway().customer(khbh)));
}

QJsonObject ScreenFixture::record(const QString &collection, const QString &key,
                                  const QString &value) const
{
    for (const QJsonObject &record : m_gateway.gateway().records(collection)) {
        if (record.value(key).toString() == value)
            return record;
    }
    return {};
}

namespace ScreenProbe {

QString text(const QWidget *root, const char *name)
{
    const QWidget *w = root ? root->findChild<QWidget *>(QLatin1String(name)) : nullptr;
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (auto *field = qobject_cast<const QLineEdit *>(w))
        return field->text();
    return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QString visibleText(const QWidget *root, const char *name)
{
    const QWidget *w = root ? root->findChild<QWidget *>(QLatin1String(name)) : nullptr;
    if (w && !w->isVisibleTo(root))
        return QStringLiteral("<hidden %1>").arg(QLatin1String(name));
    return text(root, name);
}

bool tap(const QWidget *root, const char *name)
{
    auto *button = root ? root->findChild<QAbstractButton *>(QLatin1String(name)) : nullptr;
    if (!button || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

TableViewCell *cellAt(TableView *table, int row, int section)
{
    table->scrollToRowAtIndexPath({section, row});
    return table->cellForRowAtIndexPath({section, row});
}

} // namespace ScreenProbe
