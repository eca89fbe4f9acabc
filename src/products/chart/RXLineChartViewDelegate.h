#pragma once

#include <QtGlobal>

// What a line chart's owner may hear about touches. Both are optional: a delegate overrides
// the ones it wants.
class RXLineChartViewDelegate
{
public:
    virtual ~RXLineChartViewDelegate() = default;

    // The point under the touch line changed to `index`.
    virtual void didTouchAreaWithIndex(qint32 index) { Q_UNUSED(index) }
    // The touch ended over the point `index`.
    virtual void didReleaseAreaWithIndex(qint32 index) { Q_UNUSED(index) }
};
