#pragma once

#include "RXLineChartTouch.h"

#include <QPointF>
#include <QWidget>

// The chart's touch overlay: a clear view that turns a drag into the phases of a pan. Like
// the phone's pan recogniser it begins only once the finger has moved a little, so a tap
// stays a tap for the views below.
class QZView : public QWidget
{
    Q_OBJECT

public:
    // How far a press must move before it becomes a pan.
    static constexpr qreal kPanDistance = 10;

    explicit QZView(QWidget *parent = nullptr);

signals:
    // position: in this view's coordinates.
    void panned(RXPanState state, QPointF position);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF m_pressPosition;
    bool m_pressed = false;
    bool m_panning = false;
};
