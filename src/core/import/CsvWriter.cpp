#include "core/import/CsvWriter.h"

#include "core/text/TextCodec.h"

QString CsvField(const QString &value)
{
    bool quote = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    for (QChar c : value) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n') {
            quote = true;
            break;
        }
    }
    if (!quote)
        return value;
    QString quoted;
    quoted.reserve(value.size() + 2);
    quoted.append(u'"');
    for (QChar c : value) {
        if (c == u'"')
            quoted.append(u'"');
        quoted.append(c);
    }
    quoted.append(u'"');
    return quoted;
}

QString CsvRecord(const QStringList &fields)
{
    QString record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record.append(u',');
        record.append(CsvField(fields.at(i)));
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
        m_buffer.append("\xEF\xBB\xBF");
    return true;
}

bool CsvFileWriter::writeRecord(const QStringList &fields)
{
    if (m_failed)
        return false;
    const QString record = CsvRecord(fields);
    ++m_records;
    if (m_encoding == CsvOutputEncoding::Utf8Bom) {
        m_buffer.append(record.toUtf8());
    } else {
        const std::optional<QByteArray> bytes = EncodeCp932(record);
        if (!bytes) {
            QString character;
            for (int i = 0; i < record.size() && character.isEmpty(); ++i) {
                const bool pair = record.at(i).isHighSurrogate() && i + 1 < record.size();
                const QString one = record.mid(i, pair ? 2 : 1);
                if (!FitsCp932(one))
                    character = one;
                if (pair)
                    ++i;
            }
            m_error = QStringLiteral("%1行目の「%2」はShift_JISで表せません。UTF-8で書き出してください。")
                          .arg(m_records)
                          .arg(character);
            m_failed = true;
            return false;
        }
        m_buffer.append(*bytes);
    }
    return m_buffer.size() < (1 << 20) || flush();
}

bool CsvFileWriter::flush()
{
    if (m_buffer.isEmpty())
        return true;
    if (m_file.write(m_buffer) != m_buffer.size()) {
        m_error = m_file.errorString();
        m_failed = true;
        return false;
    }
    m_buffer.clear();
    return true;
}

bool CsvFileWriter::commit()
{
    if (m_failed || !flush()) {
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
    m_buffer.clear();
}
