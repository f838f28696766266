// The printer settings file and the settings block inside it: a damaged file
// or a block written by anything else must be refused, never misapplied; a
// block the program writes must read back as the same setup.

#include "FuzzSupport.h"

#include "core/settings/PrinterSettingsFile.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);

    // The bare block, as the file would carry it.
    if (const std::optional<PrinterSetup> setup = PrinterSetup::fromBlock(bytes)) {
        const std::optional<PrinterSetup> again = PrinterSetup::fromBlock(setup->toBlock());
        fuzz::Require(again.has_value() && *again == *setup, "a setup's block reads back unchanged");
    }

    // The whole file.
    const QString path = fuzz::WriteScratchFile(QStringLiteral("zerrat_xe2.prt"), bytes);
    PrinterSettingsFileData file;
    QString error;
    const PrinterFileStatus status = ReadPrinterSettingsFile(path, file, &error);
    if (status != PrinterFileStatus::Ok)
        return 0;
    fuzz::Require(size >= size_t(PrinterFileHeaderSize), "an accepted file holds its header");
    fuzz::Require(size_t(file.block.size()) <= size - size_t(PrinterFileHeaderSize), "the block lies inside the file");
    PrinterSetup::fromBlock(file.block);
    return 0;
}
