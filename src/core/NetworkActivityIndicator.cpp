#include "NetworkActivityIndicator.h"

NetworkActivityIndicator *NetworkActivityIndicator::instance()
{
    static NetworkActivityIndicator indicator;
    return &indicator;
}

void NetworkActivityIndicator::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit visibilityChanged(visible);
}
