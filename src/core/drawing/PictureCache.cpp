#include "core/drawing/PictureCache.h"

#include <QFileInfo>
#include <QImageReader>

namespace {
// Pictures larger than this (in pixels) are not decoded: a damaged or hostile
// file must not exhaust memory.
constexpr qint64 MaxPicturePixels = qint64(64) * 1024 * 1024;
constexpr int MaxEntries = 64;
} // namespace

PictureCache &PictureCache::instance()
{
    static PictureCache cache;
    return cache;
}

PictureCache::Entry &PictureCache::entryFor(const QString &path)
{
    const QFileInfo info(path);
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    auto it = m_entries.find(path);
    if (it != m_entries.end() && it->fileSize == size && it->modified == modified)
        return *it;
    if (m_entries.size() >= MaxEntries)
        m_entries.clear();
    Entry entry;
    entry.fileSize = size;
    entry.modified = modified;
    QImageReader reader(path);
    const QSize declared = reader.size();
    if (!declared.isValid() || qint64(declared.width()) * declared.height() <= MaxPicturePixels) {
        QImage image;
        if (reader.read(&image))
            entry.image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                        : QImage::Format_RGB32);
    }
    return *m_entries.insert(path, entry);
}

QImage PictureCache::picture(const QString &path)
{
    return entryFor(path).image;
}

QImage PictureCache::scaled(const QString &path, QSize size)
{
    Entry &entry = entryFor(path);
    if (entry.image.isNull() || size.isEmpty())
        return QImage();
    if (entry.image.size() == size)
        return entry.image;
    if (entry.scaledSize != size) {
        entry.scaledImage = entry.image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        entry.scaledSize = size;
    }
    return entry.scaledImage;
}

void PictureCache::clear()
{
    m_entries.clear();
}
