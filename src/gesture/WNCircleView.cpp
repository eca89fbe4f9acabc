#include "WNCircleView.h"

#include "GestureColors.h"
#include "GesturePad.h"
#include "MainScreen.h"
#include "WNCircle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTouchEvent>

WNCircleView::WNCircleView(QWidget *parent)
    : QWidget(parent), m_pad(new GesturePad(MainScreen::size(parent), this))
{
    prepare();
}

WNCircleView::WNCircleView(CircleViewType type, bool clip, bool arrow, QWidget *parent)
    : QWidget(parent), m_pad(new GesturePad(type, clip, arrow, MainScreen::size(parent), this))
{
    prepare();
}

void WNCircleView::prepare()
{
    setObjectName(QStringLiteral("circleView"));
    setAttribute(Qt::WA_AcceptTouchEvents);
    for (const GestureCircle &model : m_pad->circles()) {
        auto *circle = new WNCircle(this);
        circle->setType(model.type);
        m_circles.append(circle);
    }
    setGeometry(m_pad->frame().toRect());
    connect(m_pad, &GesturePad::needsDisplay, this, &WNCircleView::syncCircles);
    syncCircles();
}

CircleViewType WNCircleView::type() const
{
    return m_pad->type();
}

void WNCircleView::setType(CircleViewType type)
{
    m_pad->setType(type);
}

bool WNCircleView::clip() const
{
    return m_pad->clip();
}

void WNCircleView::setClip(bool clip)
{
    m_pad->setClip(clip);
    update();
}

bool WNCircleView::arrow() const
{
    return m_pad->arrow();
}

void WNCircleView::setArrow(bool arrow)
{
    m_pad->setArrow(arrow);
}

CircleViewDelegate *WNCircleView::delegate() const
{
    return m_pad->delegate();
}

void WNCircleView::setDelegate(CircleViewDelegate *delegate)
{
    m_pad->setDelegate(delegate);
}

void WNCircleView::setCenter(QPointF center)
{
    QRectF frame(QPointF(), size());
    frame.moveCenter(center);
    move(frame.topLeft().toPoint());
}

QPointF WNCircleView::centerOfCircle(int tag) const
{
    return m_pad->centerOfCircle(tag);
}

void WNCircleView::syncCircles()
{
    const QList<GestureCircle> &models = m_pad->circles();
    for (int i = 0; i < m_circles.size() && i < models.size(); ++i) {
        WNCircle *circle = m_circles.at(i);
        const GestureCircle &model = models.at(i);
        circle->setTag(model.tag);
        circle->setGeometry(model.frame.toRect());
        if (circle->state() != model.state)
            circle->setState(model.state);
        if (circle->angle() != model.angle)
            circle->setAngle(model.angle);
        if (circle->arrow() != model.arrow)
            circle->setArrow(model.arrow);
    }
    update();
}

bool WNCircleView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return handleTouch(static_cast<QTouchEvent *>(event));
    case QEvent::TouchCancel:
        // Like the phone: a cancelled touch is left as it was; the next touch starts afresh.
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

bool WNCircleView::handleTouch(QTouchEvent *event)
{
    if (event->points().isEmpty())
        return false;
    // One finger draws; a second one on the pad is not followed.
    const QPointF point = event->points().first().position();
    if (event->type() == QEvent::TouchBegin)
        m_pad->touchesBegan(point);
    else if (event->type() == QEvent::TouchUpdate)
        m_pad->touchesMoved(point);
    else
        m_pad->touchesEnded();
    event->accept();
    return true;
}

void WNCircleView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pad->touchesBegan(event->position());
}

void WNCircleView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        m_pad->touchesMoved(event->position());
}

void WNCircleView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pad->touchesEnded();
}

void WNCircleView::resizeEvent(QResizeEvent *)
{
    m_pad->setFrame(QRectF(geometry()));
}

void WNCircleView::moveEvent(QMoveEvent *)
{
    m_pad->setFrame(QRectF(geometry()));
}

void WNCircleView::paintEvent(QPaintEvent *)
{
    if (m_pad->circleSet().isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor lineColor =
        m_pad->showsError() ? GestureColors::error() : GestureColors::selected();
    connectCirclesInRect(painter, QRectF(rect()), lineColor);
}

void WNCircleView::connectCirclesInRect(QPainter &painter, const QRectF &rect,
                                        const QColor &lineColor) const
{
    // The pad less the inside of every circle, so lines run between circles, never across.
    QPainterPath clipPath;
    clipPath.setFillRule(Qt::OddEvenFill);
    clipPath.addRect(rect);
    clipSubviewsWhenConnectInContext(clipPath, m_pad->clip());
    painter.setClipPath(clipPath);

    const QList<GestureCircle> &circles = m_pad->circles();
    const QList<int> &selected = m_pad->circleSet();
    QPainterPath line(circles.at(selected.first()).center());
    for (int i = 1; i < selected.size(); ++i)
        line.lineTo(circles.at(selected.at(i)).center());
    if (m_pad->hasLooseEnd())
        line.lineTo(m_pad->currentPoint());
    painter.strokePath(line, QPen(lineColor, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void WNCircleView::clipSubviewsWhenConnectInContext(QPainterPath &clipPath, bool clip) const
{
    if (!clip)
        return;
    for (const GestureCircle &circle : m_pad->circles())
        clipPath.addEllipse(circle.frame);
}
