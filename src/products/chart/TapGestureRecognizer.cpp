#include "TapGestureRecognizer.h"

#include "QZView.h"

#include <QChildEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QWidget>

TapGestureRecognizer::TapGestureRecognizer(QWidget *view) : QObject(view)
{
    watch(view);
}

void TapGestureRecognizer::watch(QObject *object)
{
    if (!object->isWidgetType())
        return;
    object->installEventFilter(this);
    for (QObject *child : object->children())
        watch(child);
}

bool TapGestureRecognizer::eventFilter(QObject *watched, QEvent *event)
{
    // A press that no child takes reaches the parents too: the same event may pass several
    // watched widgets, so each step below is harmless to repeat.
    switch (event->type()) {
    case QEvent::ChildAdded:
        watch(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::MouseButtonPress:
        m_pressPosition = static_cast<QMouseEvent *>(event)->globalPosition();
        m_tracking = true;
        break;
    case QEvent::MouseMove:
        if (QLineF(m_pressPosition, static_cast<QMouseEvent *>(event)->globalPosition()).length() >=
            QZView::kPanDistance)
            m_tracking = false;
        break;
    case QEvent::MouseButtonRelease:
        if (m_tracking) {
            m_tracking = false;
            emit tapped();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
