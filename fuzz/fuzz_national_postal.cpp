// The national postal-code list: line splitting, the entry reader and the
// import into a scratch database, which keeps every line or none.

#include "FuzzSupport.h"

#include "core/text/TextCodec.h"
#include "core/postal/NationalPostalCsv.h"
#include "core/data/Database.h"
#include "core/postal/ZipcodeImport.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);
    const QStringList lines = SplitLines(DecodeText(bytes));
    for (const QString &line : lines) {
        SplitCommaText(line);
        NationalPostalEntry entry;
        if (ParseNationalPostalLine(line, &entry)) {
            // The form the build writes must read back as the same entry.
            NationalPostalEntry again;
            fuzz::Require(ParseNationalPostalLine(NationalPostalCsvLine(entry), &again), "a written line reads");
            fuzz::Require(again.code == entry.code && again.area == entry.area && again.city == entry.city
                              && again.location == entry.location,
                          "a written entry reads back unchanged");
        }
    }

    // The import itself, from the file, into a fresh database.
    const QString csv = fuzz::WriteScratchFile(QStringLiteral("KEN_ALL.CSV"), bytes);
    const QString db = fuzz::ScratchDir() + QStringLiteral("/zipcode.db3");
    QFile::remove(db);
    Database module;
    const ZipImportResult result = ImportNationalPostalCsv(module, db, csv);
    if (result.ok()) {
        // A town whose note runs on over several lines is one row: never more
        // rows than lines, and a row for any line read.
        const int rows = result.insertedCount + result.failedCount;
        fuzz::Require(rows <= result.lineCount, "no more rows than lines");
        fuzz::Require((rows == 0) == (result.lineCount == 0), "every line ends up in a row");
    } else {
        fuzz::Require(result.insertedCount == 0 || result.status != ZipImportStatus::MalformedLine,
                      "a malformed line keeps nothing");
    }
    module.CloseDatabase();
    return 0;
}
