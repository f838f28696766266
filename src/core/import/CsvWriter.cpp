#include "core/import/CsvWriter.h"

#include "core/import/CsvFormulaGuard.h"
#include "core/text/CharacterLabel.h"
#include "core/text/Cp932Table.h"

#include <algorithm>

namespace {

// A blank a spreadsheet might drop from the ends of an unquoted field.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\x3000';
}

void appendField(QString &to, QStringView raw)
{
    QString guarded;
    QStringView value = raw;
    if (NeedsCsvFormulaGuard(raw)) {
        guarded = GuardCsvValue(raw);
        value = guarded;
    }
    // The blanks of the value itself, a tab behind the apostrophe included.
    bool quote = !raw.isEmpty() && (isBlank(raw.front().unicode()) || isBlank(raw.back().unicode()));
    for (QChar c : value)
        quote = quote || c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    if (!quote) {
        to.append(value);
        return;
    }
    to.append(u'"');
    for (QChar c : value) {
        if (c == u'"')
            to.append(u'"');
        to.append(c);
    }
    to.append(u'"');
}

// Characters collected before they are encoded and written in one go.
constexpr qsizetype RunSize = 1 << 20;

} // namespace

QString CsvField(const QString &value)
{
    QString field;
    appendField(field, value);
    return field;
}

QString CsvRecord(const QStringList &fields)
{
    QString record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record.append(u',');
        appendField(record, fields.at(i));
    }
    record.append(QStringLiteral("\r\n"));
    return record;
}

CsvFileWriter::CsvFileWriter(const QString &path, CsvOutputEncoding encoding) : m_file(path), m_encoding(encoding) {}

CsvFileWriter::~CsvFileWriter()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool CsvFileWriter::open()
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        m_error = m_file.errorString();
        return false;
    }
    if (m_encoding == CsvOutputEncoding::Utf8Bom && m_file.write("\xEF\xBB\xBF", 3) != 3) {
        m_error = m_file.errorString();
        m_failed = true;
        return false;
    }
    m_text.reserve(RunSize + 4096);
    return true;
}

void CsvFileWriter::addField(QStringView value)
{
    if (!m_fieldWritten)
        m_starts.append(m_text.size());
    else
        m_text.append(u',');
    m_fieldWritten = true;
    appendField(m_text, value);
}

bool CsvFileWriter::endRecord()
{
    if (!m_fieldWritten)
        m_starts.append(m_text.size());
    m_text.append(QStringLiteral("\r\n"));
    m_fieldWritten = false;
    if (m_failed)
        return false;
    return m_text.size() < RunSize || flush();
}

bool CsvFileWriter::writeRecord(const QStringList &fields)
{
    for (const QString &field : fields)
        addField(field);
    return endRecord();
}

void CsvFileWriter::noteUnwritable(qsizetype at, char32_t codePoint)
{
    // m_starts holds where each record of the run begins: the record holding
    // at is the last one that begins at or before it.
    const qsizetype inRun = std::upper_bound(m_starts.cbegin(), m_starts.cend(), at) - m_starts.cbegin();
    if (m_unwritable.size() < CsvUnwritableListed)
        m_unwritable.append({m_flushedRecords + inRun, codePoint});
    ++m_unwritableCount;
}

QByteArray CsvFileWriter::encodeRun()
{
    // A table lookup a character: an iconv pass over every run costs more
    // than the rest of a large export together.
    const Cp932Table &table = Cp932Table::instance();
    const bool substitute = m_encoding == CsvOutputEncoding::ShiftJisSubstituting;
    const uint16_t substituteCode = table.encode(CsvSubstituteCharacter);
    QByteArray bytes;
    bytes.resize(m_text.size() * 2);
    char *out = bytes.data();
    const qsizetype n = m_text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = m_text.at(i).unicode();
        // Digits, commas, quotes and dates: code page 932 keeps ASCII as it is.
        if (unit < 0x80) {
            *out++ = char(unit);
            continue;
        }
        uint16_t code = table.encode(unit);
        if (code == 0) {
            char32_t codePoint = unit;
            if (QChar::isHighSurrogate(unit) && i + 1 < n && m_text.at(i + 1).isLowSurrogate())
                codePoint = QChar::surrogateToUcs4(unit, m_text.at(++i).unicode());
            if (!substitute) {
                noteUnwritable(i, codePoint);
                continue;
            }
            ++m_substituted;
            code = substituteCode;
        }
        if (code >= 0x100)
            *out++ = char(code >> 8);
        *out++ = char(code & 0xFF);
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

bool CsvFileWriter::flush()
{
    if (m_failed)
        return false;
    if (m_text.isEmpty())
        return true;
    const QByteArray bytes = m_encoding == CsvOutputEncoding::Utf8Bom ? m_text.toUtf8() : encodeRun();
    // Once a character is refused the file will not be kept; the runs after
    // it are only read for more such characters.
    if (m_unwritableCount == 0 && m_file.write(bytes) != bytes.size()) {
        m_error = m_file.errorString();
        m_failed = true;
        return false;
    }
    m_flushedRecords += m_starts.size();
    m_starts.clear();
    m_text.clear();
    return true;
}

bool CsvFileWriter::commit()
{
    if (!flush() || m_unwritableCount > 0) {
        if (m_unwritableCount > 0)
            m_error = QStringLiteral("Shift_JISで表せない文字があります。");
        cancel();
        return false;
    }
    if (!m_file.commit()) {
        m_error = m_file.errorString();
        return false;
    }
    return true;
}

void CsvFileWriter::cancel()
{
    if (m_file.isOpen()) {
        // A commit after cancelWriting removes the temporary file at once.
        m_file.cancelWriting();
        m_file.commit();
    }
    m_text.clear();
    m_starts.clear();
}

CsvExportOutcome CsvFileWriter::openFailure() const
{
    CsvExportOutcome outcome;
    outcome.notice = QStringLiteral("CSVファイルを作成できませんでした。\n") + m_file.fileName() + u'\n' + m_error;
    return outcome;
}

CsvExportOutcome CsvFileWriter::finish(qint64 rows, bool stopped, const QString &failure)
{
    CsvExportOutcome outcome;
    if (failure.isEmpty() && !m_failed && !stopped && flush() && m_unwritableCount > 0) {
        cancel();
        outcome.unwritable = m_unwritable;
        outcome.unwritableCount = m_unwritableCount;
        outcome.notice = CsvUnwritableNotice(outcome);
        return outcome;
    }
    if (!failure.isEmpty() || m_failed || stopped) {
        const QString reason = failure.isEmpty() ? m_error : failure;
        cancel();
        outcome.cancelled = stopped && reason.isEmpty();
        if (!outcome.cancelled)
            outcome.notice = QStringLiteral("CSVファイルに書き出せませんでした。\n") + reason;
        return outcome;
    }
    if (!commit()) {
        outcome.notice = QStringLiteral("CSVファイルに書き出せませんでした。\n") + m_file.fileName() + u'\n' + m_error;
        return outcome;
    }
    outcome.ok = true;
    outcome.rows = rows;
    outcome.substituted = m_substituted;
    return outcome;
}

QStringList CsvUnwritableLines(const QVector<CsvUnwritable> &characters)
{
    QStringList lines;
    qint64 record = -1;
    for (const CsvUnwritable &c : characters) {
        if (c.record != record) {
            record = c.record;
            lines.append(QStringLiteral("%1行目: ").arg(record));
        } else {
            lines.last() += QStringLiteral("、");
        }
        lines.last() += CharacterLabel(c.codePoint);
    }
    return lines;
}

QString CsvUnwritableNotice(const CsvExportOutcome &outcome)
{
    QString notice = QStringLiteral("Shift_JISで表せない文字が%1文字あるため、書き出していません。\n"
                                    "「〓」に置き換えて書き出すか、UTF-8で書き出してください。\n")
                         .arg(outcome.unwritableCount);
    notice += CsvUnwritableLines(outcome.unwritable).join(u'\n');
    if (outcome.unwritableCount > outcome.unwritable.size())
        notice += QStringLiteral("\nほか%1文字").arg(outcome.unwritableCount - outcome.unwritable.size());
    return notice;
}
