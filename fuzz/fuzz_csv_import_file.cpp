// The CSV editor's intermediate file and the import plan made from it: any
// file gives rows of 14 fields, a line the program writes splits back into the
// same fields, and planning the import never fails on what it reads.

#include "FuzzSupport.h"

#include "core/import/CsvImportFile.h"
#include "core/import/CsvImportPlan.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::WriteScratchFile(QStringLiteral("csvImport.tmp"), fuzz::Bytes(data, size));
    const std::optional<QVector<QStringList>> rows = ReadCsvImportFile(path);
    fuzz::Require(rows.has_value(), "an existing file reads");

    for (const QStringList &fields : *rows) {
        fuzz::Require(fields.size() == CsvImportFieldCount, "every row has 14 fields");
        fuzz::Require(SplitCsvImportLine(FormatCsvImportLine(fields)) == fields,
                      "a written line splits back into its fields");
    }
    for (int edition : {10, 30, 40}) {
        const CsvImportPlan plan = PlanCsvImport(*rows, edition);
        fuzz::Require(plan.rows.size() <= rows->size(), "the plan has no more rows than the file");
        fuzz::Require(plan.aborted() == !plan.abortNotice.isEmpty(), "an aborted plan says why");
    }
    return 0;
}
