#pragma once

#include "QZHomeModel.h"

#include <QList>
#include <QStringList>

// What the home carousel shows of the "164002" entries: the picture, link and tap target
// of each entry that has a picture, in the server's order.
struct CarouselEntries
{
    QStringList images; // media URLs
    QStringList links;
    QStringList targets;

    static CarouselEntries fromRecords(const QList<QZHomeModel> &records);
};
