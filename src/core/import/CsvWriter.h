#pragma once
// Writing CSV files for other programs: RFC 4180 records (a field in double
// quotes when it holds a comma, a quote, a line break or blanks at its ends;
// quotes doubled; line breaks inside a field kept), CR LF between records,
// UTF-8 with a byte-order mark or Shift_JIS (code page 932). The file appears
// only when every record is written: a cancelled or failed export leaves the
// folder as it was.

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QStringList>

enum class CsvOutputEncoding { Utf8Bom, ShiftJis };

// One field as it stands in a record.
QString CsvField(const QString &value);
// One record: the fields joined by commas, ending in CR LF.
QString CsvRecord(const QStringList &fields);

class CsvFileWriter
{
public:
    CsvFileWriter(const QString &path, CsvOutputEncoding encoding);
    ~CsvFileWriter();

    // False (with the reason in errorText) when the file cannot be made.
    bool open();
    // False when a character has no Shift_JIS form or the disk refused; the
    // reason is in errorText and nothing of the file will be kept.
    bool writeRecord(const QStringList &fields);
    // Puts the finished file in place; false with errorText on an I/O error.
    bool commit();
    // Drops everything written; the folder stays as it was.
    void cancel();

    QString errorText() const { return m_error; }

private:
    bool flush();

    QSaveFile m_file;
    CsvOutputEncoding m_encoding;
    QByteArray m_buffer;
    qint64 m_records = 0;
    QString m_error;
    bool m_failed = false;
};
