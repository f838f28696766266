#include "core/import/CsvWriter.h"

#include "core/text/TextCodec.h"

namespace {

// A blank a spreadsheet might drop from the ends of an unquoted field.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\x3000';
}

bool needsQuotes(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return false;
    const char first = utf8.front(), last = utf8.back();
    if (first == ' ' || first == '\t' || last == ' ' || last == '\t' || utf8.startsWith("\xE3\x80\x80")
        || utf8.endsWith("\xE3\x80\x80"))
        return true;
    for (char c : utf8)
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    return false;
}

void appendField(QByteArray &to, QByteArrayView utf8)
{
    if (!needsQuotes(utf8)) {
        to.append(utf8);
        return;
    }
    to.append('"');
    for (char c : utf8) {
        if (c == '"')
            to.append('"');
        to.append(c);
    }
    to.append('"');
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
    if (m_encoding == CsvOutputEncoding::Utf8Bom)
        m_text.append("\xEF\xBB\xBF");
    m_text.reserve(RunSize + 4096);
    return true;
}

void CsvFileWriter::addField(QStringView value)
{
    addField(QByteArrayView(value.toUtf8()));
}

void CsvFileWriter::addField(QByteArrayView utf8)
{
    if (!m_fieldWritten)
        m_starts.append(m_text.size());
    else
        m_text.append(',');
    m_fieldWritten = true;
    appendField(m_text, utf8);
}

bool CsvFileWriter::endRecord()
{
    if (!m_fieldWritten)
        m_starts.append(m_text.size());
    m_text.append("\r\n");
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
        const QString record = QString::fromUtf8(QByteArrayView(m_text).sliced(m_starts.at(r), end - m_starts.at(r)));
        for (qsizetype i = 0; i < record.size(); ++i) {
            const bool pair = record.at(i).isHighSurrogate() && i + 1 < record.size();
            const QString one = record.mid(i, pair ? 2 : 1);
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
        bytes = m_text;
    } else {
        const std::optional<QByteArray> encoded = EncodeCp932(QString::fromUtf8(m_text));
        if (!encoded) {
            m_error = unencodableNotice();
            m_failed = true;
            return false;
        }
        bytes = *encoded;
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
