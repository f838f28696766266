#pragma once
// The chosen printer and its settings, kept in "<exe>.prt" under the work
// folder's conf: three 520-byte UTF-16 names, a 32-bit block size, the block.

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <optional>

struct PrinterSettingsFileData {
    QString deviceName;
    QString driverName;
    QString portName;
    QByteArray block; // the printer's settings (see PrinterSetup)
};

enum class PrinterFileStatus { Ok, Missing, ReadError };

constexpr int PrinterFileHeaderSize = 1564;
constexpr int PrinterFileNameBytes = 520;

// Reads the file. Missing: no file (nothing to apply). ReadError: the file is
// shorter than its header or than the block size it announces, or the size is
// negative; nothing of it may be applied.
PrinterFileStatus ReadPrinterSettingsFile(const QString &path, PrinterSettingsFileData &data,
                                          QString *error = nullptr);

// Writes the header and the block, replacing the file. Names longer than 259
// UTF-16 units are cut so the terminating NUL always fits.
bool WritePrinterSettingsFile(const QString &path, const PrinterSettingsFileData &data, QString *error = nullptr);

// What the program remembers of a printer. Serialised into the block with a
// magic and a version, so a block written by anything else is recognised and
// ignored rather than misapplied.
struct PrinterSetup {
    QString printerName;          // empty: the PDF printer
    QString pageSizeId;           // QPageSize key, e.g. "A4"; empty with a custom size
    QSizeF customPageSizeMm;      // used when pageSizeId is empty
    int orientation = 0;          // 0 portrait, 1 landscape
    int resolution = 0;           // dpi; 0 the printer's default
    double marginLeftMm = 0, marginTopMm = 0, marginRightMm = 0, marginBottomMm = 0;
    int duplex = 0;               // QPrinter::DuplexMode
    int colorMode = 1;            // QPrinter::ColorMode (1 = colour)
    QString outputFileName;       // PDF output file; empty for a real printer

    QByteArray toBlock() const;
    // std::nullopt for a block of an unknown kind or version, or a damaged one.
    static std::optional<PrinterSetup> fromBlock(const QByteArray &block);

    friend bool operator==(const PrinterSetup &a, const PrinterSetup &b);
};
