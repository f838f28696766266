#pragma once
// Reading back the PDF files the printing path writes: the page count (through
// pdfinfo where poppler-utils is installed, else by the page objects) and the
// text of one page (pdftotext; empty when it is missing, see HasPdfToText).

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

inline int PdfPageCount(const QString &pdf)
{
    if (!QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        QProcess p;
        p.start("pdfinfo", {pdf});
        p.waitForFinished(20000);
        const QRegularExpressionMatch m = QRegularExpression("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption)
                                              .match(QString::fromUtf8(p.readAllStandardOutput()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

inline bool HasPdfToText()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

// The text of page (1-based) of pdf.
inline QString PdfPageText(const QString &pdf, int page)
{
    QProcess p;
    p.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
