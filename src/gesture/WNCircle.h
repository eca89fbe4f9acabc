#pragma once

#include "CircleTypes.h"

#include <QColor>
#include <QWidget>

class QPainter;

// One point of a grid, drawn by its state: a ring, an inner dot and, when asked for, a
// small triangle turned towards the next circle of the drawing. Touches pass through to
// the grid that holds it.
class WNCircle : public QWidget
{
    Q_OBJECT

public:
    explicit WNCircle(QWidget *parent = nullptr);

    CircleState state() const { return m_state; }
    void setState(CircleState state);
    CircleType type() const { return m_type; }
    void setType(CircleType type);
    bool arrow() const { return m_arrow; }
    void setArrow(bool arrow);
    double angle() const { return m_angle; }
    void setAngle(double angle);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // The colours follow the state; a colour set from outside is kept but not drawn.
    QColor outCircleColor() const;
    void setOutCircleColor(const QColor &color) { m_outCircleColor = color; }
    QColor inCircleColor() const;
    void setInCircleColor(const QColor &color) { m_inCircleColor = color; }
    QColor trangleColor() const;
    void setTrangleColor(const QColor &color) { m_trangleColor = color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal innerRatio() const;
    void transFormCtx(QPainter &painter, const QRectF &rect) const;
    void drawEmptyCircleWithContext(QPainter &painter, const QRectF &rect,
                                    const QColor &color) const;
    void drawSolidCircleWithContext(QPainter &painter, const QRectF &rect, qreal radio,
                                    const QColor &color) const;
    void drawTrangleWithContext(QPainter &painter, QPointF topPoint, qreal length,
                                const QColor &color) const;

    CircleState m_state = CircleState{0};
    CircleType m_type = CircleType::Gesture;
    bool m_arrow = false;
    double m_angle = 0;
    int m_tag = 0;
    QColor m_outCircleColor;
    QColor m_inCircleColor;
    QColor m_trangleColor;
};
