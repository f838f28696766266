#pragma once
// Decoded pictures of layout items, kept between passes so that a redraw of the
// preview does not decode and rescale the same file again. An entry is
// refreshed when the file's size or modification time changes.

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

class PictureCache
{
public:
    // The one cache of the program (the drawing runs on one thread).
    static PictureCache &instance();

    // The decoded picture at path; a null image when it cannot be decoded.
    QImage picture(const QString &path);
    // The picture scaled to size with smooth (area-averaging) scaling.
    QImage scaled(const QString &path, QSize size);
    // Forgets every picture.
    void clear();

private:
    struct Entry {
        qint64 fileSize = -1;
        QDateTime modified;
        QImage image;
        QSize scaledSize;
        QImage scaledImage;
    };
    Entry &entryFor(const QString &path);

    QHash<QString, Entry> m_entries;
};
