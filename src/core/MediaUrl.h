#pragma once

#include <QString>

// Full URLs of images and documents from the relative paths records carry.
namespace MediaUrl {

// media base + "/upload/user/1/" + the path, unescaped.
QString forRelaPath(const QString &relaPath);
// Every "/upload/user/1" in server HTML made absolute on the media server.
QString absoluteHtml(const QString &html);
// The same on the internal media endpoint ("/ump/upload/user/1"), for fresh articles.
QString internalHtml(const QString &html);

} // namespace MediaUrl
