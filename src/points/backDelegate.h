#pragma once

#include <QObject>

// What the filter screen hands its three choices to when "完成" is tapped: the gift category,
// the points range and the order, each a button's tag (-1 for "不限" and the quantity order).
class backDelegate
{
public:
    virtual ~backDelegate() = default;
    virtual void getNSIntegerDelegate(qint64 typeButtonIndex, qint64 pointButtonIndex,
                                      qint64 orderButtonIndex) = 0;
};

Q_DECLARE_INTERFACE(backDelegate, "cn.chenglan.points.backDelegate")
