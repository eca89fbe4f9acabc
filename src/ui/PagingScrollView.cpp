#include "PagingScrollView.h"

#include "Animations.h"

#include <QMouseEvent>

namespace {
constexpr int kDragThreshold = 8;
}

PagingScrollView::PagingScrollView(QWidget *parent) : QWidget(parent), m_strip(new QWidget(this))
{
    setObjectName(QStringLiteral("pagingScrollView"));
}

void PagingScrollView::setPages(const QList<QWidget *> &pages)
{
    for (const auto &old : std::as_const(m_pages)) {
        if (old)
            old->deleteLater();
    }
    m_pages.clear();
    for (QWidget *page : pages) {
        page->setParent(m_strip);
        page->setAttribute(Qt::WA_TransparentForMouseEvents);
        page->show();
        m_pages.append(page);
    }
    m_current = 0;
    placePages(0);
}

QWidget *PagingScrollView::page(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index).data() : nullptr;
}

void PagingScrollView::placePages(int offset)
{
    const int w = width();
    m_strip->setGeometry(-m_current * w + offset, 0, std::max(1, w * int(m_pages.size())),
                         height());
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i))
            m_pages.at(i)->setGeometry(i * w, 0, w, height());
    }
}

void PagingScrollView::scrollToPage(int index, bool animated)
{
    if (m_pages.isEmpty())
        return;
    index = std::clamp(index, 0, int(m_pages.size()) - 1);
    const bool changed = index != m_current;
    m_current = index;
    const QPoint target(-index * width(), 0);
    if (animated)
        Animations::slide(m_strip, m_strip->pos(), target, {});
    else
        m_strip->move(target);
    if (changed)
        emit pageChanged(index);
}

void PagingScrollView::resizeEvent(QResizeEvent *)
{
    placePages(0);
}

void PagingScrollView::mousePressEvent(QMouseEvent *event)
{
    m_pressX = int(event->position().x());
    m_dragging = false;
}

void PagingScrollView::mouseMoveEvent(QMouseEvent *event)
{
    const int dx = int(event->position().x()) - m_pressX;
    if (!m_dragging && std::abs(dx) > kDragThreshold) {
        m_dragging = true;
        emit dragBegan();
    }
    if (m_dragging)
        placePages(dx);
}

void PagingScrollView::mouseReleaseEvent(QMouseEvent *event)
{
    const int dx = int(event->position().x()) - m_pressX;
    if (!m_dragging) {
        emit pageTapped(m_current);
        return;
    }
    m_dragging = false;
    int target = m_current;
    if (dx < -width() / 3)
        ++target;
    else if (dx > width() / 3)
        --target;
    scrollToPage(target, true);
    emit dragEnded();
}
