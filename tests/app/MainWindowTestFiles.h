#pragma once
// What the main window tests read back: the staged program folder and the
// pages of a printed PDF file.

#include <QFile>
#include <QRegularExpression>
#include <QString>

inline QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
}

inline int pdfPageCount(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}
