// The CSV editor's reading of a file from elsewhere: encoding detection,
// decoding, delimiter detection, parsing, the column mapping and its stored
// text.

#include "FuzzSupport.h"

#include "core/import/CsvColumnMapping.h"
#include "core/import/CsvEncoding.h"
#include "core/import/CsvParser.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);
    CsvEncoding detected = CsvEncoding::Cp932;
    const QString text = DecodeCsvBytes(bytes, &detected);
    fuzz::Require(DetectCsvEncoding(bytes) == detected, "detection is the same both ways");
    fuzz::Require(!CsvEncodingName(detected).isEmpty(), "every encoding has a name");

    const QChar delimiter = CsvParser::detectDelimiter(text);
    fuzz::Require(delimiter == u',' || delimiter == u'\t' || delimiter == u';', "a known delimiter");
    const QVector<QStringList> records = CsvParser::parse(text, delimiter);

    // Stopping after the first progress report keeps what was read.
    bool cancelled = false;
    const QVector<QStringList> partial =
        CsvParser::parse(text, delimiter, [](qsizetype, qsizetype) { return false; }, &cancelled);
    fuzz::Require(partial.size() <= records.size(), "a cancelled parse reads no more");

    if (records.isEmpty())
        return 0;
    const QStringList &header = records.first();
    const CsvColumnMapping guess = CsvColumnMapping::guessFromHeader(header);
    for (const QStringList &row : guess.dataRows(records))
        fuzz::Require(guess.apply(row).size() == 14, "a mapped row has 14 fields");

    const QString stored = guess.toText(header);
    const CsvColumnMapping restored = CsvColumnMapping::fromText(stored, header, int(header.size()));
    fuzz::Require(restored == guess, "a stored mapping restores unchanged");
    // The stored text itself is untrusted when read back.
    CsvColumnMapping::fromText(text.left(400), header, int(header.size()));
    return 0;
}
