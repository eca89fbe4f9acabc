#include "NavigationItem.h"

void NavigationItem::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    emit changed();
}

void NavigationItem::setLeftWidget(QWidget *widget)
{
    if (m_left && m_left != widget)
        m_left->deleteLater();
    m_left = widget;
    emit changed();
}

void NavigationItem::setRightWidget(QWidget *widget)
{
    if (m_right && m_right != widget)
        m_right->deleteLater();
    m_right = widget;
    emit changed();
}

void NavigationItem::setWidgetsHidden(bool hidden)
{
    if (m_widgetsHidden == hidden)
        return;
    m_widgetsHidden = hidden;
    emit changed();
}
