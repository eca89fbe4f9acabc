#pragma once

#include <QString>

class QLabel;

// A record's picture in a label: the placeholder image fitted to the label until the picture
// at the media URL of rela_path has loaded, then the picture filling the label (cropped at the
// centre). Call again when the label changes size.
namespace RemotePicture {

void show(QLabel *view, const QString &relaPath, const QString &placeholder);

} // namespace RemotePicture
