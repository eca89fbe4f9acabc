#pragma once

#include <QList>
#include <QPoint>
#include <optional>

class QString;
class QWidget;

// Touches and key presses made up for the automation driver, delivered as events so the
// widgets react exactly as they do to a finger or a keyboard.
namespace SyntheticInput {

// A press and release in the middle of the widget; a text field only takes the focus.
void tap(QWidget *widget);
// One key press and release per character, appended at the field's cursor.
void typeText(QWidget *field, const QString &text);
// A Qt key name without its "Key_" prefix ("Return", "Escape", "Left"), or nothing.
std::optional<Qt::Key> keyNamed(const QString &name);
void pressKey(QWidget *field, Qt::Key key);
// Press at the first point, a move to each next one, release at the last, in the widget's
// coordinates. A scroll area gets them on its viewport, where a finger would land.
void drag(QWidget *widget, const QList<QPoint> &points);

} // namespace SyntheticInput
