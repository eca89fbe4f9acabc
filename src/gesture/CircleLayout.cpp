#include "CircleLayout.h"

namespace CircleLayout {

namespace {
constexpr qreal kDesignWidth = 320; // the screen the sizes were drawn for
}

qreal padSide(qreal screenWidth)
{
    return screenWidth - 60;
}

qreal padCircleSide(qreal screenWidth)
{
    return screenWidth * 60 / kDesignWidth;
}

qreal padSpacing(qreal padWidth, qreal screenWidth)
{
    return (padWidth - 3 * padCircleSide(screenWidth)) / 3;
}

qreal infoCircleSide(qreal screenWidth)
{
    return screenWidth * 10 / kDesignWidth;
}

qreal infoViewSide(qreal screenWidth)
{
    return screenWidth * 36 / kDesignWidth;
}

qreal infoSpacing(qreal viewWidth, qreal screenWidth)
{
    return (viewWidth * screenWidth / kDesignWidth - 3 * infoCircleSide(screenWidth)) / 3;
}

QRectF circleFrame(int index, qreal side, qreal spacing)
{
    const int column = index % 3;
    const int row = index / 3;
    return QRectF(spacing / 2 + column * (side + spacing), spacing / 2 + row * (side + spacing),
                  side, side);
}

bool contains(const QRectF &rect, const QPointF &point)
{
    const QRectF r = rect.normalized();
    return point.x() >= r.left() && point.x() < r.right() && point.y() >= r.top() &&
           point.y() < r.bottom();
}

} // namespace CircleLayout
