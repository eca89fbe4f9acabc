#include "RemotePicture.h"

#include "ImageLoader.h"
#include "MediaUrl.h"
#include "UiImage.h"

#include <QLabel>

namespace RemotePicture {

void show(QLabel *view, const QString &relaPath, const QString &placeholder)
{
    const QPixmap fitted = UiImage::pixmap(placeholder)
                               .scaled(view->size().expandedTo(QSize(1, 1)), Qt::KeepAspectRatio,
                                       Qt::SmoothTransformation);
    // No path, no request: an empty URL only replaces a picture that may still be on its way.
    const QUrl url = relaPath.isEmpty() ? QUrl() : QUrl(MediaUrl::forRelaPath(relaPath));
    ImageLoader::shared()->loadInto(view, url, fitted);
}

} // namespace RemotePicture
