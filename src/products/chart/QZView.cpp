#include "QZView.h"

#include <QLineF>
#include <QMouseEvent>

QZView::QZView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void QZView::mousePressEvent(QMouseEvent *event)
{
    // Taken, so that the moves of this press come here.
    event->accept();
    m_pressPosition = event->position();
    m_pressed = true;
    m_panning = false;
}

void QZView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    if (!m_panning) {
        if (QLineF(m_pressPosition, event->position()).length() < kPanDistance)
            return;
        m_panning = true;
        emit panned(RXPanState::Began, event->position());
        return;
    }
    emit panned(RXPanState::Changed, event->position());
}

void QZView::mouseReleaseEvent(QMouseEvent *event)
{
    const bool panning = m_panning;
    m_pressed = false;
    m_panning = false;
    if (panning)
        emit panned(RXPanState::Ended, event->position());
}
