#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QObject;

// A plain GET of a document into a file, replacing an earlier file of that name only once
// the whole body has arrived. Continuations run on the main thread, and not at all once
// the receiver is gone.
namespace FileDownload {

using Progress = std::function<void(qint64 received, qint64 total)>;
using Done = std::function<void(bool ok, const QString &error)>;

// A document larger than this fails instead of filling memory and disk; the largest real
// documents are a few megabytes.
constexpr qint64 kDefaultMaxBytes = 32 * 1024 * 1024;
void setMaxBytes(qint64 bytes);

void get(const QUrl &url, const QString &path, QObject *receiver, Progress progress, Done done);

} // namespace FileDownload
