#include "ui/controls/PictureFiles.h"

#include <QImageReader>

PictureFiles::PictureFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!path.isEmpty())
            m_images.insert(path, QImage());
    }
    // The thread fills the images in place; nothing else touches the hash until it is joined.
    m_thread = std::thread([this] {
        for (auto it = m_images.begin(); it != m_images.end(); ++it)
            it.value() = QImageReader(it.key()).read();
    });
}

PictureFiles::~PictureFiles()
{
    finish();
}

void PictureFiles::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

QPixmap PictureFiles::pixmap(const QString &path)
{
    finish();
    const auto it = m_images.constFind(path);
    if (it == m_images.constEnd())
        return QPixmap(path);
    return QPixmap::fromImage(it.value());
}
