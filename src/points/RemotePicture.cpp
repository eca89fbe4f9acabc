#include "RemotePicture.h"

#include "ImageLoader.h"
#include "MediaUrl.h"
#include "UiImage.h"

#include <QLabel>

namespace RemotePicture {

void show(QLabel *view, const QString &relaPath, const QString &placeholder)
{
    // Sized in points: a sharper rendering keeps its pixel density.
    const QPixmap source = UiImage::pixmap(placeholder);
    const qreal density = source.devicePixelRatio();
    QPixmap fitted = source.scaled(view->size().expandedTo(QSize(1, 1)) * density,
                                   Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(density);
    // No path, no request: an empty URL only replaces a picture that may still be on its way.
    const QUrl url = relaPath.isEmpty() ? QUrl() : QUrl(MediaUrl::forRelaPath(relaPath));
    ImageLoader::shared()->loadInto(view, url, fitted);
}

} // namespace RemotePicture
