#pragma once
// The selected printer: its settings to and from the printer settings file,
// and its measurements for the preview and printing.

#include "core/settings/PrinterSettingsFile.h"
#include "core/drawing/PrinterMeasurements.h"

#include <QString>

class QPrintDialog;
class QPrinter;

// What the program remembers of the printer.
PrinterSetup CapturePrinterSetup(const QPrinter &printer);

// Makes the remembered settings current. A printer that no longer exists is
// replaced by the default printer (or the PDF printer when there is none).
void ApplyPrinterSetup(QPrinter &printer, const PrinterSetup &setup);

// DevModeSaveToFile: writes the printer settings file.
bool DevModeSaveToFile(const QString &path, const QPrinter &printer, QString *error = nullptr);

// DevModeLoadFromFile: applies the file when it exists and is sound. A short
// file is a read error and a block of an unknown kind is ignored; in both cases
// the current printer stays.
PrinterFileStatus DevModeLoadFromFile(const QString &path, QPrinter &printer, QString *error = nullptr);

// MeasurePrinter: resolution, paper and printable page of the printer.
PrinterMeasurements MeasurePrinter(const QPrinter &printer, int screenDpiX, int screenDpiY);

// Whether any CUPS (or other system) printer exists.
bool HasSystemPrinter();

// Points a printer without a system printer at a PDF file, when it has none yet.
void EnsurePdfOutput(QPrinter &printer, const QString &defaultPdfPath);

// Widens the printer dialog's output file box to show the whole path (up to
// two thirds of the screen): a clerk must see where the PDF goes.
void ShowWholeOutputFileName(QPrintDialog &dialog);
