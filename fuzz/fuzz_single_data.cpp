// The single-print data file: loading any bytes gives a record of at least 42
// slots that can be transferred into a layout and saved; the saved file loads
// back as the same slots.

#include "FuzzSupport.h"

#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"

namespace {
// A layout with a few data items of the kinds the transfer writes.
StyleData SmallLayout()
{
    StyleData style;
    for (int id : {1, 2, 8, 12, 13, 15, 17, 28, 61, 62, 121, 122, 123, 151})
        style.appendLine(QStringLiteral("0;%1;0;0;text;10;10;50;5;ＭＳ 明朝;10;0;0;0;0;0;0;0;0;;0;").arg(id));
    return style;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::WriteScratchFile(QStringLiteral("singledata.txt"), fuzz::Bytes(data, size));
    PrintRecord record;
    if (!LoadSingleData(path, record))
        return 0;
    fuzz::Require(record.size() >= PrintRecord::SlotCount, "a record has its 42 slots");

    for (int edition : {10, 30, 40, 50}) {
        StyleData style = SmallLayout();
        TransferOptions options;
        options.editionCode = edition;
        options.yenMark = (size & 1) != 0;
        options.printDate = QDate(2024, 5, 6);
        TransferRecord(style, record, options);
    }

    const QString saved = fuzz::ScratchDir() + QStringLiteral("/saved.txt");
    fuzz::Require(bool(SaveSingleData(saved, record)), "a loaded record saves");
    PrintRecord reread;
    fuzz::Require(bool(LoadSingleData(saved, reread)), "a saved record loads");
    fuzz::Require(reread.texts() == record.texts(), "a saved record loads back unchanged");
    return 0;
}
