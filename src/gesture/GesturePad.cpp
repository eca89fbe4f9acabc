#include "GesturePad.h"

#include "CircleLayout.h"
#include "WNCircleViewConst.h"

#include <QMutexLocker>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <numbers>

GesturePad::GesturePad(QSizeF screenSize, QObject *parent) : QObject(parent)
{
    prepare(screenSize);
}

GesturePad::GesturePad(CircleViewType type, bool clip, bool arrow, QSizeF screenSize,
                       QObject *parent)
    : QObject(parent)
{
    prepare(screenSize);
    setType(type);
    setClip(clip);
    setArrow(arrow);
}

void GesturePad::prepare(QSizeF screenSize)
{
    m_screenWidth = screenSize.width();
    const qreal side = CircleLayout::padSide(screenSize.width());
    m_frame = QRectF(0, 0, side, side);
    m_frame.moveCenter(QPointF(screenSize.width() / 2, screenSize.height() * 3 / 5));
    setClip(true);
    // Called before the circles exist, so a plain pad draws no direction triangles.
    setArrow(true);
    for (int i = 0; i < CircleLayout::kCircleCount; ++i) {
        GestureCircle circle;
        circle.type = CircleType::Gesture;
        circle.arrow = m_arrow;
        m_circles.append(circle);
    }
    layoutSubviews();
}

void GesturePad::setClip(bool clip)
{
    m_clip = clip;
}

void GesturePad::setArrow(bool arrow)
{
    for (GestureCircle &circle : m_circles)
        circle.arrow = arrow;
    emit needsDisplay();
}

CircleViewDelegate *GesturePad::delegate() const
{
    if (m_delegateIsObject && !m_delegateObject)
        return nullptr;
    return m_delegate;
}

bool GesturePad::tellDelegate(const std::function<void(CircleViewDelegate *)> &call)
{
    CircleViewDelegate *d = delegate();
    if (!d)
        return true;
    QPointer<GesturePad> self(this);
    call(d);
    return !self.isNull();
}

void GesturePad::setDelegate(CircleViewDelegate *delegate)
{
    m_delegate = delegate;
    m_delegateObject = dynamic_cast<QObject *>(delegate);
    m_delegateIsObject = m_delegateObject != nullptr;
}

void GesturePad::setCenter(QPointF center)
{
    m_frame.moveCenter(center);
}

void GesturePad::setFrame(const QRectF &frame)
{
    const bool resized = frame.size() != m_frame.size();
    m_frame = frame;
    if (resized)
        layoutSubviews();
}

void GesturePad::layoutSubviews()
{
    const qreal side = CircleLayout::padCircleSide(m_screenWidth);
    const qreal spacing = CircleLayout::padSpacing(m_frame.width(), m_screenWidth);
    for (int i = 0; i < m_circles.size(); ++i) {
        m_circles[i].tag = i + 1;
        m_circles[i].frame = CircleLayout::circleFrame(i, side, spacing);
    }
    emit needsDisplay();
}

QPointF GesturePad::centerOfCircle(int tag) const
{
    for (const GestureCircle &circle : m_circles) {
        if (circle.tag == tag)
            return circle.center();
    }
    return QPointF();
}

bool GesturePad::isSettingMode() const
{
    return m_type != CircleViewType::Login && m_type != CircleViewType::Verify;
}

int GesturePad::circleIndexAt(QPointF point) const
{
    // Frames never overlap; should they, the last one wins as on the phone.
    int found = -1;
    for (int i = 0; i < m_circles.size(); ++i) {
        if (CircleLayout::contains(m_circles[i].frame, point))
            found = i;
    }
    return found;
}

void GesturePad::touchesBegan(QPointF point)
{
    // A drawing whose touch was cancelled never ended: let the reset clear it rather than
    // carry its circles into this one.
    if (m_drawing)
        m_hasClean = false;
    m_drawing = true;
    gestureEndResetMembers();
    m_currentPoint = QPointF();
    const int index = circleIndexAt(point);
    if (index >= 0) {
        m_circles[index].state = CircleState::Selected;
        m_circleSet.append(index);
    }
    if (!m_circleSet.isEmpty())
        m_circles[m_circleSet.last()].state = CircleState::LastOneSelected;
    emit needsDisplay();
}

void GesturePad::touchesMoved(QPointF point)
{
    m_currentPoint = QPointF();
    for (int i = 0; i < m_circles.size(); ++i) {
        if (CircleLayout::contains(m_circles[i].frame, point)) {
            if (!m_circleSet.contains(i)) {
                m_circleSet.append(i);
                calAngleAndconnectTheJumpedCircle();
            }
        } else {
            m_currentPoint = point;
        }
    }
    // Only while a gesture is being set does the drawing tell the newest circle apart.
    for (int index : std::as_const(m_circleSet)) {
        m_circles[index].state = CircleState::Selected;
        if (!isSettingMode())
            m_circles[index].state = CircleState::LastOneSelected;
    }
    if (!m_circleSet.isEmpty())
        m_circles[m_circleSet.last()].state = CircleState::LastOneSelected;
    emit needsDisplay();
}

void GesturePad::calAngleAndconnectTheJumpedCircle()
{
    if (m_circleSet.size() < 2)
        return;
    GestureCircle &last = m_circles[m_circleSet.last()];
    GestureCircle &previous = m_circles[m_circleSet.at(m_circleSet.size() - 2)];
    const QPointF from = previous.center();
    const QPointF to = last.center();
    previous.angle = std::atan2(to.y() - from.y(), to.x() - from.x()) + std::numbers::pi / 2;

    // A finger moving straight from one circle to the one two steps on passes over the one
    // between without touching it: that circle belongs to the drawing too.
    const QPointF middle((std::max(from.x(), to.x()) + std::min(from.x(), to.x())) / 2,
                         (std::max(from.y(), to.y()) + std::min(from.y(), to.y())) / 2);
    const int jumped = circleIndexAt(middle);
    if (jumped < 0 || m_circleSet.contains(jumped))
        return;
    m_circles[jumped].angle = previous.angle;
    m_circleSet.insert(m_circleSet.size() - 1, jumped);
}

void GesturePad::touchesEnded()
{
    m_drawing = false;
    m_hasClean = false;
    const QString pattern = gesture();
    if (pattern.isEmpty())
        return;
    QPointer<GesturePad> self(this);
    switch (m_type) {
    case CircleViewType::Verify:
        gestureEndByTypeVerifyWithGesture(pattern, int(pattern.size()));
        break;
    case CircleViewType::Login:
        gestureEndByTypeLoginWithGesture(pattern, int(pattern.size()));
        break;
    default:
        gestureEndByTypeSettingWithGesture(pattern, int(pattern.size()));
        break;
    }
    if (self) // the delegate may have let the pad go
        errorToDisplay();
}

QString GesturePad::gesture() const
{
    QString pattern;
    for (int index : m_circleSet)
        pattern += QString::number(m_circles.at(index).tag);
    return pattern;
}

CircleState GesturePad::getCircleState() const
{
    return m_circleSet.isEmpty() ? CircleState{0} : m_circles.at(m_circleSet.first()).state;
}

bool GesturePad::showsError() const
{
    return getCircleState() == CircleState::Error;
}

bool GesturePad::hasLooseEnd() const
{
    const CircleState state = getCircleState();
    return !m_currentPoint.isNull() && state != CircleState::Error &&
           state != CircleState::LastOneError;
}

void GesturePad::gestureEndResetMembers()
{
    // Resets come from touches and from the delayed call after a mistake; the lock keeps
    // one whole, and hasClean lets only the first of them do the work.
    QMutexLocker locker(&m_resetLock);
    if (m_hasClean)
        return;
    for (int index : std::as_const(m_circleSet))
        m_circles[index].state = CircleState::Normal;
    m_circleSet.clear();
    resetAllCirclesDirect();
    m_hasClean = true;
    emit needsDisplay();
}

void GesturePad::resetAllCirclesDirect()
{
    for (GestureCircle &circle : m_circles)
        circle.angle = 0;
}

void GesturePad::changeCircleInCircleSetWithState(CircleState state)
{
    for (int index : std::as_const(m_circleSet))
        m_circles[index].state = state;
    if (state == CircleState::Error && !m_circleSet.isEmpty())
        m_circles[m_circleSet.last()].state = CircleState::LastOneError;
    emit needsDisplay();
}

void GesturePad::errorToDisplay()
{
    const CircleState state = getCircleState();
    if (state != CircleState::Error && state != CircleState::LastOneError) {
        gestureEndResetMembers();
        return;
    }
    QTimer::singleShot(m_errorDisplayMs, this, [this]() {
        gestureEndResetMembers();
        emit errorDisplayFinished();
    });
}

void GesturePad::gestureEndByTypeSettingWithGesture(const QString &gesture, int length)
{
    if (length < kMinimumLength) {
        if (!tellDelegate([&](CircleViewDelegate *d) {
                d->connectCirclesLessThanNeedWithGesture(this, m_type, gesture);
            }))
            return;
        changeCircleInCircleSetWithState(CircleState::Error);
        return;
    }
    const QString first =
        WNCircleViewConst::getGestureWithKey(WNCircleViewConst::gestureOneSaveKey())
            .value_or(QString());
    if (first.size() >= kMinimumLength) {
        // The first drawing stays pending whatever the outcome: only the holder removes it.
        const bool equal = gesture == first;
        if (!tellDelegate([&](CircleViewDelegate *d) {
                d->didCompleteSetSecondGesture(this, m_type, gesture, equal);
            }))
            return;
        if (equal)
            WNCircleViewConst::saveGesture(gesture, WNCircleViewConst::gestureFinalSaveKey());
        else
            changeCircleInCircleSetWithState(CircleState::Error);
        return;
    }
    WNCircleViewConst::saveGesture(gesture, WNCircleViewConst::gestureOneSaveKey());
    tellDelegate(
        [&](CircleViewDelegate *d) { d->didCompleteSetFirstGesture(this, m_type, gesture); });
}

void GesturePad::gestureEndByTypeLoginWithGesture(const QString &gesture, int length)
{
    Q_UNUSED(length)
    // Without a stored gesture there is nothing to protect: any drawing opens the lock.
    const auto stored =
        WNCircleViewConst::getGestureWithKey(WNCircleViewConst::gestureFinalSaveKey());
    const bool success = !stored || stored->isEmpty() || gesture == *stored;
    if (!tellDelegate([&](CircleViewDelegate *d) {
            d->didCompleteLoginGesture(this, m_type, gesture, success);
        }))
        return;
    if (!success)
        changeCircleInCircleSetWithState(CircleState::Error);
}

void GesturePad::gestureEndByTypeVerifyWithGesture(const QString &gesture, int length)
{
    gestureEndByTypeLoginWithGesture(gesture, length);
}
