#pragma once

#include <QString>

// HTML pages shipped with the client, by name ("guide" → the page "guide.html").
namespace ResourceText {

QString html(const QString &name);
// Where the page lives, for relative links and pictures.
QString htmlPath(const QString &name);

} // namespace ResourceText
