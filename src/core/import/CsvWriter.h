#pragma once
// Writing CSV files for other programs: RFC 4180 records (a field in double
// quotes when it holds a comma, a quote, a line break or blanks at its ends
// (space, tab, ideographic space);
// quotes doubled; line breaks inside a field kept), CR LF between records,
// UTF-8 with a byte-order mark or Shift_JIS (code page 932). A value a
// spreadsheet would run as a formula is written with an apostrophe in front
// (CsvFormulaGuard.h). The file appears only when every record is written: a
// cancelled or failed export leaves the folder as it was.

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

enum class CsvOutputEncoding {
    Utf8Bom,
    ShiftJis,             // refuses the whole file when a character has no Shift_JIS form
    ShiftJisSubstituting, // writes such a character as CsvSubstituteCharacter
};

// What Shift_JIS writes for a character it has no form for, when asked to: the
// geta mark, the Japanese code pages' own sign for a missing character.
constexpr char16_t CsvSubstituteCharacter = u'\u3013';

// A character Shift_JIS has no form for, and the record it stands in (1 is
// the header, as a spreadsheet numbers the rows).
struct CsvUnwritable {
    qint64 record = 0;
    char32_t codePoint = 0;
};

// How many of them an outcome lists; the count goes on past it.
constexpr int CsvUnwritableListed = 10000;

struct CsvExportOutcome {
    bool ok = false;
    bool cancelled = false; // the user stopped it; no file was left
    qint64 rows = 0;        // records written after the header
    QString notice;         // why it failed (heading "確認"); empty when ok or cancelled
    // Shift_JIS refused the file: the characters it has no form for, in the
    // order of the file, and how many there are in all.
    QVector<CsvUnwritable> unwritable;
    qint64 unwritableCount = 0;
    // ShiftJisSubstituting: how many characters were written as the substitute.
    qint64 substituted = 0;

    bool refusedCharacters() const { return unwritableCount > 0; }
};

// The characters one line a record, each by CharacterLabel:
// 「3行目: U+00A0（ノーブレークスペース）、U+2014（エムダッシュ）」.
QStringList CsvUnwritableLines(const QVector<CsvUnwritable> &characters);

// The notice of a refused Shift_JIS file: what is wrong, the two ways out,
// then every line of CsvUnwritableLines.
QString CsvUnwritableNotice(const CsvExportOutcome &outcome);

// Told how many records of total are written, now and then; false cancels.
using CsvExportProgress = std::function<bool(qint64 done, qint64 total)>;

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
    // False when the disk refused; the reason is in errorText and nothing of
    // the file will be kept. A character without a Shift_JIS form (with
    // ShiftJis) is noted and the writing goes on, so that finish can list
    // every one; the file is then not kept. (A record is encoded with the
    // others of its run, so the refusal may come a few records later.)
    bool writeRecord(const QStringList &fields);
    // The same a field at a time, for writers of many records.
    void addField(QStringView value);
    bool endRecord();
    // Puts the finished file in place; false with errorText on an I/O error.
    bool commit();
    // Drops everything written; the folder stays as it was.
    void cancel();

    // What an export tells its caller when open() failed.
    CsvExportOutcome openFailure() const;
    // Ends an export of rows records: the file is put in place unless a record
    // could not be written, stopped (the user cancelled) is set, or failure
    // gives a reason from elsewhere (the database); then nothing is left.
    CsvExportOutcome finish(qint64 rows, bool stopped, const QString &failure = QString());

    QString errorText() const { return m_error; }

private:
    bool flush();
    // Encodes the run as code page 932, noting or substituting what it lacks.
    QByteArray encodeRun();
    void noteUnwritable(qsizetype at, char32_t codePoint);

    QSaveFile m_file;
    CsvOutputEncoding m_encoding;
    QString m_text;                 // records not yet encoded
    QVector<qsizetype> m_starts;    // where each of them starts in m_text
    bool m_fieldWritten = false;    // the record has a field already
    qint64 m_flushedRecords = 0;
    QString m_error;
    bool m_failed = false;
    QVector<CsvUnwritable> m_unwritable;
    qint64 m_unwritableCount = 0; // characters refused (ShiftJis); nothing is written after the first
    qint64 m_substituted = 0;
};
