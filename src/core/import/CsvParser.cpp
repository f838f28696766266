#include "core/import/CsvParser.h"

#include "core/import/CsvFormulaGuard.h"

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Steps over one line break (CR LF counts as one) at i.
qsizetype skipLineBreak(const QString &text, qsizetype i)
{
    if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
        return i + 2;
    return i + 1;
}

} // namespace

QString CsvParse::notice() const
{
    if (unclosedQuoteLine == 0)
        return QString();
    return QStringLiteral("CSVファイルの%1行目にある「\"」が閉じられていません。\r\n"
                          "このままではそこから後ろの行がすべて一つの値になってしまうため、読み込みを中止しました。"
                          "ファイルの%1行目を確かめてください。")
        .arg(unclosedQuoteLine);
}

CsvParse CsvParser::read(const QString &text, QChar delimiter, const Progress &progress)
{
    CsvParse result;
    QVector<QStringList> &records = result.records;
    QStringList record;
    QString field;
    const qsizetype n = text.size();
    qsizetype i = 0;
    qsizetype nextReport = 0;
    qsizetype line = 1;
    bool fieldStarted = false; // the record has at least one delimiter or character

    auto endField = [&]() {
        record.append(UnguardCsvValue(field));
        field.clear();
    };
    auto endRecord = [&]() {
        if (fieldStarted || !field.isEmpty()) {
            endField();
            records.append(record);
        }
        record.clear();
        field.clear();
        fieldStarted = false;
    };

    while (i < n) {
        if (progress && i >= nextReport) {
            if (!progress(i, n)) {
                result.cancelled = true;
                return result;
            }
            nextReport = i + 65536;
        }
        const QChar c = text.at(i);
        if (c == u'"' && field.isEmpty()) {
            // A quoted field: runs to the quote that is not doubled.
            const qsizetype openedOn = line;
            bool closed = false;
            ++i;
            fieldStarted = true;
            while (i < n) {
                const QChar q = text.at(i);
                if (q == u'"') {
                    if (i + 1 < n && text.at(i + 1) == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                // CR LF is one line break: counted at its LF.
                if (q == u'\n' || (q == u'\r' && (i + 1 >= n || text.at(i + 1) != u'\n')))
                    ++line;
                field += q;
                ++i;
            }
            if (!closed) {
                result.unclosedQuoteLine = openedOn;
                return result;
            }
            // Anything between the closing quote and the delimiter is kept as written.
            while (i < n && text.at(i) != delimiter && !isLineBreak(text.at(i)))
                field += text.at(i++);
            continue;
        }
        if (c == delimiter) {
            endField();
            fieldStarted = true;
            ++i;
            continue;
        }
        if (isLineBreak(c)) {
            endRecord();
            i = skipLineBreak(text, i);
            ++line;
            continue;
        }
        field += c;
        fieldStarted = true;
        ++i;
    }
    endRecord();
    if (progress)
        progress(n, n);
    return result;
}

QVector<QStringList> CsvParser::parse(const QString &text, QChar delimiter, const Progress &progress,
                                      bool *cancelled)
{
    CsvParse result = read(text, delimiter, progress);
    if (cancelled)
        *cancelled = result.cancelled;
    return std::move(result.records);
}

QChar CsvParser::detectDelimiter(const QString &text)
{
    const QChar candidates[] = {u',', u'\t', u';'};
    int counts[3] = {0, 0, 0};
    bool quoted = false;
    for (QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (isLineBreak(c))
            break;
        for (int k = 0; k < 3; ++k)
            if (c == candidates[k])
                ++counts[k];
    }
    int best = 0;
    for (int k = 1; k < 3; ++k)
        if (counts[k] > counts[best])
            best = k;
    return candidates[best];
}
