#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Images shipped with the client, by the names the screens use ("return.png", "home",
// "call(42)"): looked up in the resources as given, then with ".png".
namespace UiImage {

QPixmap pixmap(const QString &name);
QIcon named(const QString &name);

} // namespace UiImage
