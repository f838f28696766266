#include "core/drawing/PdfReplaceGuard.h"

#include <QFile>
#include <QFileInfo>

PdfReplaceGuard::PdfReplaceGuard(const QString &path, const QString &automaticPath)
    : m_path(path)
{
    if (path.isEmpty() || QFileInfo(path).absoluteFilePath() != QFileInfo(automaticPath).absoluteFilePath()
        || !QFileInfo(path).isFile())
        return;
    const QString aside = path + QStringLiteral(".previous");
    QFile::remove(aside);
    if (QFile::rename(path, aside))
        m_aside = aside;
}

PdfReplaceGuard::~PdfReplaceGuard()
{
    putBack();
}

void PdfReplaceGuard::finish(bool accepted, const QString &chosenPath)
{
    if (m_aside.isEmpty())
        return;
    if (accepted && QFileInfo(chosenPath).absoluteFilePath() == QFileInfo(m_path).absoluteFilePath()) {
        QFile::remove(m_aside);
        m_aside.clear();
        return;
    }
    putBack();
}

void PdfReplaceGuard::putBack()
{
    if (m_aside.isEmpty())
        return;
    // The dialog may have created an empty file to test that it can write there.
    QFile::remove(m_path);
    QFile::rename(m_aside, m_path);
    m_aside.clear();
}
