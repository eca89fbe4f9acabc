#pragma once

#include "CircleTypes.h"
#include "CircleViewDelegate.h"
#include "GestureCircle.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <functional>

// The pattern pad without its drawing: the nine circles and their frames, the finger's
// path through them, the pattern string, the evaluation of a finished drawing for each
// mode, the delegate calls, and the red second after a mistake. Coordinates are the pad's
// own; the holder feeds in press, move and release points and redraws on needsDisplay.
class GesturePad : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMinimumLength = 4; // circles in an acceptable gesture
    static constexpr int kErrorDisplayMs = 1000;

    // The plain pad: setting mode, lines cut out of the circles, no direction triangles.
    explicit GesturePad(QSizeF screenSize, QObject *parent = nullptr);
    GesturePad(CircleViewType type, bool clip, bool arrow, QSizeF screenSize,
               QObject *parent = nullptr);

    CircleViewType type() const { return m_type; }
    void setType(CircleViewType type) { m_type = type; }
    bool clip() const { return m_clip; }
    void setClip(bool clip);
    // The flag goes to the circles there are at the time of the call; the pad keeps none.
    bool arrow() const { return m_arrow; }
    void setArrow(bool arrow);
    // How long a mistake stays red: a second unless a test shortens it.
    void setErrorDisplayInterval(int milliseconds) { m_errorDisplayMs = milliseconds; }

    // A weak reference: a delegate that is a QObject and has gone is not called.
    CircleViewDelegate *delegate() const;
    void setDelegate(CircleViewDelegate *delegate);

    // The pad's frame in its holder: a square, centred where the holder wants it.
    QRectF frame() const { return m_frame; }
    QPointF center() const { return m_frame.center(); }
    void setCenter(QPointF center);
    // A new frame; a change of width lays the circles out again.
    void setFrame(const QRectF &frame);
    // Gives the circles their tags and frames for the current width.
    void layoutSubviews();

    const QList<GestureCircle> &circles() const { return m_circles; }
    // The selected circles of the current drawing, as indexes into circles(), in order.
    const QList<int> &circleSet() const { return m_circleSet; }
    QPointF currentPoint() const { return m_currentPoint; }
    bool hasClean() const { return m_hasClean; }
    QPointF centerOfCircle(int tag) const;

    void touchesBegan(QPointF point);
    void touchesMoved(QPointF point);
    void touchesEnded();

    // The tags of the selected circles in order, "14789".
    QString gesture() const;
    // State of the first selected circle; 0 when nothing is selected.
    CircleState getCircleState() const;
    // The drawing shows a mistake: lines in red.
    bool showsError() const;
    // Whether a line runs on from the last circle to the finger.
    bool hasLooseEnd() const;

    void gestureEndResetMembers();
    void changeCircleInCircleSetWithState(CircleState state);

signals:
    void needsDisplay();
    // The second of red after a mistake is over (whether or not the reset had work left).
    void errorDisplayFinished();

private:
    void prepare(QSizeF screenSize);
    bool isSettingMode() const;
    // Makes the call when there is a delegate; false when the pad did not survive it.
    bool tellDelegate(const std::function<void(CircleViewDelegate *)> &call);
    int circleIndexAt(QPointF point) const;
    void calAngleAndconnectTheJumpedCircle();
    void resetAllCirclesDirect();
    void errorToDisplay();
    void gestureEndByTypeSettingWithGesture(const QString &gesture, int length);
    void gestureEndByTypeLoginWithGesture(const QString &gesture, int length);
    void gestureEndByTypeVerifyWithGesture(const QString &gesture, int length);

    qreal m_screenWidth = 0;
    QRectF m_frame;
    CircleViewType m_type = CircleViewType::Setting;
    bool m_clip = false;
    bool m_arrow = false;
    CircleViewDelegate *m_delegate = nullptr;
    QPointer<QObject> m_delegateObject;
    bool m_delegateIsObject = false;
    QList<GestureCircle> m_circles;
    QList<int> m_circleSet;
    QPointF m_currentPoint;
    bool m_hasClean = false;
    bool m_drawing = false;
    QMutex m_resetLock;
    int m_errorDisplayMs = kErrorDisplayMs;
};
