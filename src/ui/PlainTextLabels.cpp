#include "PlainTextLabels.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

void PlainTextLabels::install()
{
    static PlainTextLabels *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new PlainTextLabels(qApp);
    qApp->installEventFilter(filter);
}

bool PlainTextLabels::eventFilter(QObject *watched, QEvent *event)
{
    // Polish comes before a widget is first laid out or shown.
    if (event->type() == QEvent::Polish) {
        if (auto *label = qobject_cast<QLabel *>(watched);
            label && label->textFormat() == Qt::AutoText)
            label->setTextFormat(Qt::PlainText);
    }
    return QObject::eventFilter(watched, event);
}
