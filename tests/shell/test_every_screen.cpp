// Every screen the client can open, at the phone sizes it runs at, checked as a careful
// tester would: each control can be told apart by a screen reader, no text is cut off, and
// nothing runs into the status bar.
#include "BaseNavigationViewController.h"
#include "ClientScreens.h"
#include "NavigationBar.h"
#include "NetworkActivityIndicator.h"
#include "PhoneWindow.h"
#include "RootViewController.h"
#include "ScreenFixture.h"
#include "ScreenRegistry.h"
#include "TestPhone.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

namespace {

// The screens that do not stay when opened on their own (a lock waiting for a drawing
// closes itself when no gesture is stored, say) are checked where they are reached.
bool shown(const QWidget *w)
{
    return w->isVisible() && !w->visibleRegion().isEmpty();
}

QString describe(const QWidget *w)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// Why a control cannot be told apart, or nothing.
QString unnamed(const QWidget *w)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text().isEmpty() && button->accessibleName().isEmpty()
                   ? describe(w) + " has neither text nor accessible name"
                   : QString();
    if (auto *field = qobject_cast<const QLineEdit *>(w))
        return field->accessibleName().isEmpty() && field->placeholderText().isEmpty()
                   ? describe(w) + " has no accessible name"
                   : QString();
    if (qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w))
        return w->accessibleName().isEmpty() ? describe(w) + " has no accessible name" : QString();
    return QString();
}

// Why a label's text does not fit in it, or nothing.
QString cut(const QLabel *label)
{
    const QString text = label->text();
    if (text.isEmpty() || Qt::mightBeRichText(text) || !label->pixmap().isNull())
        return QString();
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    QSize needed;
    if (label->wordWrap() || text.contains(QLatin1Char('\n'))) {
        // Lines of text, the last without the space below its descent.
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect lines = metrics.boundingRect(QRect(0, 0, room.width(), 100000), flags, text);
        needed = QSize(lines.width(), lines.height() - metrics.descent());
    } else {
        // One line: its advance, and the height its ink takes.
        needed = QSize(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).height());
    }
    // A pixel of slack for rounding.
    if (needed.height() > room.height() + 1 || needed.width() > room.width() + 1)
        return QStringLiteral("%1 cuts \"%2\": needs %3×%4, has %5×%6")
            .arg(describe(label), text)
            .arg(needed.width())
            .arg(needed.height())
            .arg(room.width())
            .arg(room.height());
    return QString();
}

} // namespace

class TestEveryScreen final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*=false\nqt.*=false");
        registerClientScreens();
    }

    void opensCleanly_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QSize>("size");
        for (const QSize size : {QSize(320, 568), QSize(375, 667), QSize(414, 896)}) {
            for (const QString &name : ScreenRegistry::instance().classNames()) {
                const QByteArray tag = QStringLiteral("%1 at %2x%3")
                                           .arg(name)
                                           .arg(size.width())
                                           .arg(size.height())
                                           .toUtf8();
                QTest::newRow(tag.constData()) << name << size;
            }
        }
    }

    void opensCleanly()
    {
        QFETCH(QString, screen);
        QFETCH(QSize, size);
        ScreenFixture phone;
        QVERIFY(phone.isReady());
        phone.window()->resize(size);
        phone.signIn();
        QString error;
        ViewController *opened = ScreenRegistry::instance().create(screen, {}, &error);
        QVERIFY2(opened, qPrintable(error));
        phone.nav()->pushViewController(opened, false);
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        QCoreApplication::processEvents();
        if (phone.nav()->topViewController() != opened || !opened->isVisible())
            QSKIP("the screen does not stay when opened on its own");

        QStringList problems;
        QList<QWidget *> widgets = opened->findChildren<QWidget *>();
        widgets += phone.nav()->navigationBar()->findChildren<QWidget *>();
        for (QWidget *w : std::as_const(widgets)) {
            if (!shown(w))
                continue;
            if (const QString p = unnamed(w); !p.isEmpty())
                problems.append(p);
            if (auto *label = qobject_cast<QLabel *>(w); label && w->window() == phone.window())
                if (const QString p = cut(label); !p.isEmpty())
                    problems.append(p);
            const QRect onPhone(w->mapTo(phone.window(), QPoint(0, 0)), w->size());
            if (onPhone.top() < PhoneWindow::kStatusBarHeight &&
                onPhone.bottom() >= PhoneWindow::kStatusBarHeight && opened->isAncestorOf(w))
                problems.append(describe(w) + " runs into the status bar");
        }
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }
};

QTEST_MAIN(TestEveryScreen)
#include "test_every_screen.moc"
