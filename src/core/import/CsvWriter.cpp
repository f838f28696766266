#include "core/import/CsvWriter.h"

#include "core/text/Cp932Table.h"
#include "core/text/TextCodec.h"

namespace {

// A blank a spreadsheet might drop from the ends of an unquoted field.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\x3000';
}

void appendField(QString &to, QStringView value)
{
    bool quote = !value.isEmpty() && (isBlank(value.front().unicode()) || isBlank(value.back().unicode()));
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

QString CsvFileWriter::unencodableNotice() const
{
    for (qsizetype r = 0; r < m_starts.size(); ++r) {
        const qsizetype end = r + 1 < m_starts.size() ? m_starts.at(r + 1) : m_text.size();
        const QStringView record = QStringView(m_text).sliced(m_starts.at(r), end - m_starts.at(r));
        for (qsizetype i = 0; i < record.size(); ++i) {
            const bool pair = record.at(i).isHighSurrogate() && i + 1 < record.size();
            const QString one = record.mid(i, pair ? 2 : 1).toString();
            if (!FitsCp932(one))
                return QStringLiteral("%1行目の「%2」はShift_JISで表せません。UTF-8で書き出してください。")
                    .arg(m_flushedRecords + r + 1)
                    .arg(one);
            if (pair)
                ++i;
        }
    }
    return QStringLiteral("Shift_JISで表せない文字があります。UTF-8で書き出してください。");
}

bool CsvFileWriter::flush()
{
    if (m_failed)
        return false;
    if (m_text.isEmpty())
        return true;
    QByteArray bytes;
    if (m_encoding == CsvOutputEncoding::Utf8Bom) {
        bytes = m_text.toUtf8();
    } else {
        // A table lookup a character: an iconv pass over every run costs more
        // than the rest of a large export together.
        const Cp932Table &table = Cp932Table::instance();
        bytes.resize(m_text.size() * 2);
        char *out = bytes.data();
        for (QChar c : std::as_const(m_text)) {
            const char16_t unit = c.unicode();
            // Digits, commas, quotes and dates: code page 932 keeps ASCII as it is.
            if (unit < 0x80) {
                *out++ = char(unit);
                continue;
            }
            const uint16_t code = table.encode(unit);
            if (code == 0) {
                m_error = unencodableNotice();
                m_failed = true;
                return false;
            }
            if (code >= 0x100)
                *out++ = char(code >> 8);
            *out++ = char(code & 0xFF);
        }
        bytes.truncate(out - bytes.data());
    }
    if (m_file.write(bytes) != bytes.size()) {
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
    if (!flush()) {
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
    return outcome;
}
