#pragma once

#include "DemoStore.h"

#include <QByteArray>
#include <QCache>
#include <QHash>
#include <QString>
#include <optional>

// The media server's files: every picture and document the dataset refers to, by its path
// under "/upload/user/1/". Pictures are painted and documents written on first request, so
// the repository ships no binaries.
class MediaLibrary
{
public:
    struct File
    {
        QByteArray data;
        QByteArray mimeType;
    };

    // Collects the paths of every `rela_path` and every "/upload/user/1/..." in an HTML field.
    void rebuild(const DemoStore &store);

    QStringList paths() const { return m_titles.keys(); }
    bool contains(const QString &relaPath) const { return m_titles.contains(relaPath); }
    std::optional<File> file(const QString &relaPath);

private:
    void add(const QString &relaPath, const QString &title);
    QByteArray renderPicture(const QString &relaPath, const QString &title) const;
    QByteArray renderDocument(const QString &title) const;
    static QByteArray minimalPdf();

    QHash<QString, QString> m_titles;
    // The last files served: a client keeps what it fetched, so a second request for a
    // file is rare, and painting it again costs a few milliseconds.
    QCache<QString, File> m_cache{512 * 1024};
};
