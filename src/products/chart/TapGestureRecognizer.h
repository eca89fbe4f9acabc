#pragma once

#include <QObject>
#include <QPointF>

class QWidget;

// A tap anywhere in a view, its children included (also those added later), the way the
// phone's tap recogniser sees one: a press released without moving as far as a pan needs.
// It only watches: the children still get their presses, so a drag across the chart pans
// it while a tap on it opens what the view's owner wants.
class TapGestureRecognizer : public QObject
{
    Q_OBJECT

public:
    explicit TapGestureRecognizer(QWidget *view);

signals:
    void tapped();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);

    QPointF m_pressPosition; // global
    bool m_tracking = false;
};
