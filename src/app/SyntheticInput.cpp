#include "SyntheticInput.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaEnum>
#include <QMouseEvent>

#include <algorithm>

namespace {

void sendMouse(QWidget *w, QEvent::Type type, QPointF local, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, w->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void sendKey(QWidget *w, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// The text a key types, as a keyboard would report it without modifiers.
QString textOf(Qt::Key key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        break;
    }
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return QString(QChar(key)).toLower();
    return QString();
}

} // namespace

namespace SyntheticInput {

void tap(QWidget *widget)
{
    if (qobject_cast<QLineEdit *>(widget)) {
        widget->setFocus(Qt::MouseFocusReason);
        return;
    }
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    sendMouse(widget, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, centre, Qt::NoButton);
}

void typeText(QWidget *field, const QString &text)
{
    field->setFocus(Qt::OtherFocusReason);
    for (const QChar ch : text)
        sendKey(field, 0, QString(ch));
}

std::optional<Qt::Key> keyNamed(const QString &name)
{
    // The look-up reads a C string: anything but a plain name could end it early.
    const bool plain = !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return (c.isLetterOrNumber() || c == u'_') && c.unicode() < 0x80;
    });
    bool found = false;
    const int key = plain ? QMetaEnum::fromType<Qt::Key>().keyToValue(
                                QByteArray("Key_") + name.toLatin1(), &found)
                          : 0;
    if (!found)
        return std::nullopt;
    return Qt::Key(key);
}

void pressKey(QWidget *field, Qt::Key key)
{
    field->setFocus(Qt::OtherFocusReason);
    sendKey(field, key, textOf(key));
}

void drag(QWidget *widget, const QList<QPoint> &points)
{
    if (points.isEmpty())
        return;
    // A scroll area takes mouse events only through its viewport.
    QWidget *target = widget;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        target = area->viewport();
    const auto at = [&](const QPoint &p) { return QPointF(target->mapFrom(widget, p)); };
    sendMouse(target, QEvent::MouseButtonPress, at(points.first()), Qt::LeftButton);
    for (const QPoint &p : points.mid(1))
        sendMouse(target, QEvent::MouseMove, at(p), Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, at(points.last()), Qt::NoButton);
}

} // namespace SyntheticInput
