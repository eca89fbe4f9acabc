#include "WNCircleInfoView.h"

#include "CircleLayout.h"
#include "MainScreen.h"
#include "WNCircle.h"

WNCircleInfoView::WNCircleInfoView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < CircleLayout::kCircleCount; ++i) {
        auto *circle = new WNCircle(this);
        circle->setType(CircleType::Info);
        m_circles.append(circle);
    }
    layoutSubviews();
}

void WNCircleInfoView::resizeEvent(QResizeEvent *)
{
    layoutSubviews();
}

void WNCircleInfoView::layoutSubviews()
{
    const qreal screenWidth = MainScreen::size(this).width();
    const qreal side = CircleLayout::infoCircleSide(screenWidth);
    // The circles and their gaps fill the preview, however large the screen makes it.
    const qreal spacing = (width() - 3 * side) / 3;
    for (int i = 0; i < m_circles.size(); ++i) {
        m_circles[i]->setTag(i + 1);
        m_circles[i]->setGeometry(CircleLayout::circleFrame(i, side, spacing).toRect());
    }
}
