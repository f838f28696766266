// Reading and writing the single-print data file "conf/singledata.txt".
#include "core/layout/PrintRecord.h"

#include "core/text/TextFields.h"

#include <QDir>
#include <QFileInfo>

QString SingleDataPath(const QString &workDir)
{
    return workDir + QLatin1String("/conf/singledata.txt");
}

LayoutStatus LoadSingleData(const QString &path, PrintRecord &record)
{
    if (!QFileInfo::exists(path)) {
        record.clear();
        return LayoutStatus::success();
    }
    TextEncoding encoding = TextEncoding::Cp932;
    const std::optional<QStringList> lines = ReadTextLines(path, &encoding);
    if (!lines)
        return LayoutStatus::failure(QStringLiteral("単票データを読み込めません。\n%1").arg(path));
    PrintRecord loaded(*lines);
    loaded.rememberEncoding(encoding);
    record = loaded;
    return LayoutStatus::success();
}

LayoutStatus SaveSingleData(const QString &path, const PrintRecord &record)
{
    // A line break inside a slot would move every later slot down one line.
    QStringList lines;
    lines.reserve(record.size());
    for (const QString &text : record.texts())
        lines.append(StripLineBreaks(text));

    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    bool written = false;
    if (record.encoding() == TextEncoding::Cp932)
        written = WriteTextLinesPreferCp932(path, lines, &error).has_value();
    else
        written = WriteTextLines(path, lines, record.encoding(), &error) == WriteStatus::Ok;
    if (!written)
        return LayoutStatus::failure(QStringLiteral("単票データを保存できませんでした。\n%1\n%2").arg(path, error));
    return LayoutStatus::success();
}
