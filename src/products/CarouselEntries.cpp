#include "CarouselEntries.h"

#include "MediaUrl.h"

CarouselEntries CarouselEntries::fromRecords(const QList<QZHomeModel> &records)
{
    CarouselEntries entries;
    for (const QZHomeModel &record : records) {
        if (record.rela_path.isEmpty())
            continue;
        entries.images.append(MediaUrl::forRelaPath(record.rela_path));
        entries.links.append(record.link_url);
        entries.targets.append(record.urltarget_type);
    }
    return entries;
}
