#pragma once
// Small helpers for the layout tests: item lines, temporary style files written
// in the program's own encoding, and raw byte access to written files.

#include "core/text/TextCodec.h"
#include "core/text/TextFields.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace layouttest {

// A 22-field text item with the given id, position and text.
inline QString charItem(int id, const QString &text = QString(), const QString &x = QStringLiteral("10"),
                        const QString &y = QStringLiteral("20"))
{
    return QStringLiteral("0;%1;0;0;char;%2;%3;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;%4;0;0;")
        .arg(QString::number(id), x, y, text);
}

// Writes raw bytes to path (creating or replacing the file).
inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write test file");
    file.write(bytes);
}

// Writes lines as code page 932 with CR LF.
inline void writeCp932Lines(const QString &path, const QStringList &lines)
{
    writeBytes(path, EncodeLines(lines, TextEncoding::Cp932).value());
}

// The whole content of a file; empty when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Field n of a line, as the layout reads it.
inline QString field(const QString &line, int n)
{
    return NthField(line, n);
}

// Number of ';' in a line: the number of fields a well-formed line has.
inline int separatorCount(const QString &line)
{
    return int(line.count(u';'));
}

} // namespace layouttest
