#include "WNCircle.h"

#include "GestureColors.h"

#include <QPainter>
#include <QPainterPath>
#include <numbers>

WNCircle::WNCircle(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void WNCircle::setState(CircleState state)
{
    m_state = state;
    update();
}

void WNCircle::setType(CircleType type)
{
    m_type = type;
    update();
}

void WNCircle::setArrow(bool arrow)
{
    m_arrow = arrow;
    update();
}

void WNCircle::setAngle(double angle)
{
    m_angle = angle;
    update();
}

namespace {

// Blue while selected, red in a mistake, otherwise the circle's idle colour.
QColor colourFor(CircleState state, const QColor &idle)
{
    switch (state) {
    case CircleState::Selected:
    case CircleState::LastOneSelected:
        return GestureColors::selected();
    case CircleState::Error:
    case CircleState::LastOneError:
        return GestureColors::error();
    default:
        return idle;
    }
}

} // namespace

QColor WNCircle::outCircleColor() const
{
    return colourFor(m_state, GestureColors::normal());
}

QColor WNCircle::inCircleColor() const
{
    return colourFor(m_state, GestureColors::clear());
}

QColor WNCircle::trangleColor() const
{
    // The newest circle has nowhere to point yet.
    switch (m_state) {
    case CircleState::Selected:
        return GestureColors::selected();
    case CircleState::Error:
        return GestureColors::error();
    default:
        return GestureColors::clear();
    }
}

qreal WNCircle::innerRatio() const
{
    switch (m_type) {
    case CircleType::Gesture:
        return 0.4;
    case CircleType::Info:
        return 1.0;
    }
    return 0;
}

void WNCircle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(0, 0, width(), height());
    transFormCtx(painter, rect);
    drawEmptyCircleWithContext(painter, rect, outCircleColor());
    drawSolidCircleWithContext(painter, rect, innerRatio(), inCircleColor());
    if (m_arrow)
        drawTrangleWithContext(painter, QPointF(rect.width() / 2, 10), 10, trangleColor());
}

void WNCircle::transFormCtx(QPainter &painter, const QRectF &rect) const
{
    // Circles are square: the width serves for both coordinates of the centre.
    const qreal half = rect.width() / 2;
    painter.translate(half, half);
    painter.rotate(m_angle * 180 / std::numbers::pi);
    painter.translate(-half, -half);
}

void WNCircle::drawEmptyCircleWithContext(QPainter &painter, const QRectF &rect,
                                          const QColor &color) const
{
    painter.setPen(QPen(color, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(1, 1, rect.width() - 2, rect.height() - 2));
}

void WNCircle::drawSolidCircleWithContext(QPainter &painter, const QRectF &rect, qreal radio,
                                          const QColor &color) const
{
    const QRectF dot(rect.width() * (1 - radio) / 2 + 1, rect.height() * (1 - radio) / 2 + 1,
                     rect.width() * radio - 2, rect.height() * radio - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(dot.normalized());
}

void WNCircle::drawTrangleWithContext(QPainter &painter, QPointF topPoint, qreal length,
                                      const QColor &color) const
{
    QPainterPath triangle(topPoint);
    triangle.lineTo(topPoint.x() - length / 2, topPoint.y() + length / 2);
    triangle.lineTo(topPoint.x() + length / 2, topPoint.y() + length / 2);
    triangle.closeSubpath();
    painter.fillPath(triangle, color);
}
