#pragma once

#include "CircleTypes.h"

#include <QList>
#include <QPointF>
#include <QWidget>

class CircleViewDelegate;
class GesturePad;
class QPainter;
class QPainterPath;
class QTouchEvent;
class WNCircle;

// The pattern pad on screen: nine circles and the lines between the selected ones, driven
// by mouse or touch. What a drawing means is decided by its GesturePad; this widget only
// passes the finger on and paints what the pad holds. Its object name is "circleView".
class WNCircleView : public QWidget
{
    Q_OBJECT

public:
    explicit WNCircleView(QWidget *parent = nullptr);
    WNCircleView(CircleViewType type, bool clip, bool arrow, QWidget *parent = nullptr);

    GesturePad *pad() const { return m_pad; }

    CircleViewType type() const;
    void setType(CircleViewType type);
    bool clip() const;
    void setClip(bool clip);
    bool arrow() const;
    void setArrow(bool arrow);
    CircleViewDelegate *delegate() const;
    void setDelegate(CircleViewDelegate *delegate);

    // Moves the pad so that its centre is there, in its parent's coordinates.
    void setCenter(QPointF center);
    QList<WNCircle *> circles() const { return m_circles; }

    // The centre of the circle with that tag (1 to 9), in the pad's coordinates.
    Q_INVOKABLE QPointF centerOfCircle(int tag) const;

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void prepare();
    bool handleTouch(QTouchEvent *event);
    void syncCircles();
    void connectCirclesInRect(QPainter &painter, const QRectF &rect, const QColor &lineColor) const;
    void clipSubviewsWhenConnectInContext(QPainterPath &clipPath, bool clip) const;

    GesturePad *m_pad;
    QList<WNCircle *> m_circles;
};
