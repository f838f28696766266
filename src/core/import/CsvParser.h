#pragma once
// Reading CSV as spreadsheets write it: fields separated by a delimiter, a
// field in double quotes may hold the delimiter, doubled quotes and line
// breaks; records end with CR LF, LF or CR. A value the program's own CSV
// writer protected from being taken for a formula comes back without the
// protection (see CsvFormulaGuard.h).

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// What reading a text gave.
struct CsvParse {
    QVector<QStringList> records;
    bool cancelled = false; // progress stopped the reading; records holds those read so far
    // The line of the text (from 1, counting every line break) on which a
    // quote opens that is never closed; 0 when every quote is closed. The
    // reading stops there: records holds the records before that one.
    qsizetype unclosedQuoteLine = 0;

    bool complete() const { return !cancelled && unclosedQuoteLine == 0; }
    // Why the text was not read to its end (empty when it was or when cancelled).
    QString notice() const;
};

class CsvParser
{
public:
    // Called now and then while parsing with the characters read so far and
    // the total; returning false stops the parse.
    using Progress = std::function<bool(qsizetype done, qsizetype total)>;

    // Every record of text. Lines that are entirely empty are skipped. A quote
    // that is never closed stops the reading, as a spreadsheet refuses such a
    // file: otherwise every later line would become part of one value. A quote
    // inside an unquoted field, or after a closing quote, is kept as written.
    static CsvParse read(const QString &text, QChar delimiter = u',', const Progress &progress = {});

    // The records of read(); for texts known to be whole (the program's own files).
    static QVector<QStringList> parse(const QString &text, QChar delimiter = u',',
                                      const Progress &progress = {}, bool *cancelled = nullptr);

    // The delimiter of the text's first record: whichever of ',', tab and ';'
    // occurs most outside quotes; ',' when none does.
    static QChar detectDelimiter(const QString &text);
};
