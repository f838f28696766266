#include "core/import/CsvImportFile.h"

#include "core/import/CsvParser.h"
#include "core/import/CsvWriter.h"

#include "core/text/TextCodec.h"
#include "core/text/TextFields.h"

#include <QFile>
#include <QFileInfo>

QString CsvImportPath(const QString &workDir)
{
    return workDir + QStringLiteral("/conf/csvImport.tmp");
}

QStringList SplitCsvImportLine(const QString &line)
{
    QStringList fields = line.split(u',');
    // The comma after the last field leaves one empty piece behind it.
    if (fields.size() > 1 && fields.constLast().isEmpty())
        fields.removeLast();
    while (fields.size() < CsvImportFieldCount)
        fields.append(QString());
    return fields.mid(0, CsvImportFieldCount);
}

std::optional<QVector<QStringList>> ReadCsvImportFile(const QString &path, std::optional<CsvEncoding> encoding,
                                                      CsvEncoding *used)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const CsvEncoding chosen = encoding ? *encoding : DetectCsvEncoding(bytes);
    if (used)
        *used = chosen;
    const QStringList lines = SplitLines(DecodeCsvBytes(bytes, chosen));
    QVector<QStringList> rows;
    rows.reserve(lines.size());
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        rows.append(SplitCsvImportLine(line));
    }
    return rows;
}

QString FormatCsvImportLine(const QStringList &values)
{
    QString line;
    for (int i = 0; i < CsvImportFieldCount; ++i) {
        QString value = values.value(i);
        value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        value.replace(u'\r', u' ');
        value.replace(u'\n', u' ');
        value.replace(u',', QChar(0xFF0C));
        line += value;
        line += u',';
    }
    return line;
}

bool WriteCsvImportFile(const QString &path, const QVector<QStringList> &rows, QString *error)
{
    QStringList lines;
    lines.reserve(rows.size());
    for (const QStringList &row : rows)
        lines.append(FormatCsvImportLine(row));
    const std::optional<QByteArray> bytes = EncodeLines(lines, TextEncoding::Utf8Bom);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("文字を書き出せませんでした（文字コードの変換に失敗しました）。");
        return false;
    }
    return WriteFileAtomically(path, *bytes, error);
}

const char ConsigneeExportMark[] = "#korvel-consignees";

bool WriteConsigneeExportImportFile(const QString &path, const QVector<QStringList> &records, QString *error)
{
    QString text = QString::fromLatin1(ConsigneeExportMark) + QStringLiteral("\r\n");
    for (const QStringList &record : records)
        text += CsvRecord(record);
    return WriteFileAtomically(path, QByteArray("\xEF\xBB\xBF") + text.toUtf8(), error);
}

std::optional<QVector<QStringList>> ReadConsigneeExportImportFile(const QString &path)
{
    const std::optional<QString> text = ReadTextFile(path);
    const QString mark = QString::fromLatin1(ConsigneeExportMark);
    if (!text || !text->startsWith(mark + QStringLiteral("\r\n")))
        return std::nullopt;
    return CsvParser::parse(text->mid(mark.size() + 2));
}
