#pragma once
// Reading CSV as spreadsheets write it: fields separated by a delimiter, a
// field in double quotes may hold the delimiter, doubled quotes and line
// breaks; records end with CR LF, LF or CR.

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class CsvParser
{
public:
    // Called now and then while parsing with the characters read so far and
    // the total; returning false stops the parse.
    using Progress = std::function<bool(qsizetype done, qsizetype total)>;

    // Every record of text. Lines that are entirely empty are skipped; a quote
    // that is never closed runs to the end of the text; a quote inside an
    // unquoted field, or after a closing quote, is kept as written.
    // *cancelled (when given) tells whether progress stopped the parse, in
    // which case the records read so far are returned.
    static QVector<QStringList> parse(const QString &text, QChar delimiter = u',',
                                      const Progress &progress = {}, bool *cancelled = nullptr);

    // The delimiter of the text's first record: whichever of ',', tab and ';'
    // occurs most outside quotes; ',' when none does.
    static QChar detectDelimiter(const QString &text);
};
