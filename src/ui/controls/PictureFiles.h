#pragma once
// Reads picture files on a thread of its own. Decoding the window's pictures
// (the edition's logo, its list bar, the preview's bar) costs the window's
// first show nothing when done beside the making of its pages, which are given
// the pictures only at the end.

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <thread>

class PictureFiles
{
public:
    // Starts reading the files on a thread. Needs the application object.
    explicit PictureFiles(const QStringList &paths);
    // Waits for the thread.
    ~PictureFiles();

    // The picture in path, as QPixmap(path) would load it: null when the file
    // cannot be read. Waits for the thread; a path it was not given is read now.
    QPixmap pixmap(const QString &path);

    PictureFiles(const PictureFiles &) = delete;
    PictureFiles &operator=(const PictureFiles &) = delete;

private:
    void finish();

    QHash<QString, QImage> m_images;
    std::thread m_thread;
};
