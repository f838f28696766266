#include "ui/printing/PrinterBinding.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>

PrinterSetup CapturePrinterSetup(const QPrinter &printer)
{
    PrinterSetup s;
    s.printerName = printer.outputFormat() == QPrinter::PdfFormat ? QString() : printer.printerName();
    const QPageLayout layout = printer.pageLayout();
    const QPageSize size = layout.pageSize();
    if (size.id() == QPageSize::Custom) {
        s.customPageSizeMm = size.size(QPageSize::Millimeter);
    } else {
        s.pageSizeId = QPageSize::key(size.id());
    }
    s.orientation = layout.orientation() == QPageLayout::Landscape ? 1 : 0;
    s.resolution = printer.resolution();
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    s.marginLeftMm = m.left();
    s.marginTopMm = m.top();
    s.marginRightMm = m.right();
    s.marginBottomMm = m.bottom();
    s.duplex = int(printer.duplex());
    s.colorMode = int(printer.colorMode());
    s.outputFileName = printer.outputFileName();
    return s;
}

static QPageSize::PageSizeId pageSizeIdForKey(const QString &key)
{
    for (int i = 0; i <= int(QPageSize::LastPageSize); ++i) {
        const auto id = QPageSize::PageSizeId(i);
        if (QPageSize::key(id) == key)
            return id;
    }
    return QPageSize::A4;
}

void ApplyPrinterSetup(QPrinter &printer, const PrinterSetup &s)
{
    if (!s.printerName.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(s.printerName);
        if (!info.isNull()) {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(s.printerName);
        }
    } else if (!s.outputFileName.isEmpty()) {
        printer.setOutputFileName(s.outputFileName);
    }
    QPageSize size = s.pageSizeId.isEmpty() && s.customPageSizeMm.isValid()
                         ? QPageSize(s.customPageSizeMm, QPageSize::Millimeter)
                         : QPageSize(pageSizeIdForKey(s.pageSizeId));
    printer.setPageSize(size);
    printer.setPageOrientation(s.orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (s.resolution > 0)
        printer.setResolution(s.resolution);
    printer.setPageMargins(QMarginsF(s.marginLeftMm, s.marginTopMm, s.marginRightMm, s.marginBottomMm),
                           QPageLayout::Millimeter);
    printer.setDuplex(QPrinter::DuplexMode(s.duplex));
    printer.setColorMode(QPrinter::ColorMode(s.colorMode));
}

bool DevModeSaveToFile(const QString &path, const QPrinter &printer, QString *error)
{
    PrinterSettingsFileData data;
    const PrinterSetup setup = CapturePrinterSetup(printer);
    data.deviceName = setup.printerName.isEmpty() ? QStringLiteral("PDF") : setup.printerName;
    data.driverName = printer.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("pdf") : QStringLiteral("cups");
    data.portName = setup.outputFileName;
    data.block = setup.toBlock();
    return WritePrinterSettingsFile(path, data, error);
}

PrinterFileStatus DevModeLoadFromFile(const QString &path, QPrinter &printer, QString *error)
{
    PrinterSettingsFileData data;
    const PrinterFileStatus status = ReadPrinterSettingsFile(path, data, error);
    if (status != PrinterFileStatus::Ok)
        return status;
    if (const auto setup = PrinterSetup::fromBlock(data.block))
        ApplyPrinterSetup(printer, *setup);
    return status;
}

PrinterMeasurements MeasurePrinter(const QPrinter &printer, int screenDpiX, int screenDpiY)
{
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    return PrinterMeasurements::fromDevice(printer.logicalDpiX(), printer.logicalDpiY(), paper.size().toSize(),
                                           page.toRect(), screenDpiX, screenDpiY);
}

bool HasSystemPrinter()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void EnsurePdfOutput(QPrinter &printer, const QString &defaultPdfPath)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(defaultPdfPath);
}

void ShowWholeOutputFileName(QPrintDialog &dialog)
{
    auto *box = dialog.findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!box)
        return;
    const QScreen *screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    const int limit = screen ? screen->availableGeometry().width() * 2 / 3 : 800;
    const auto widen = [box, limit](const QString &text) {
        const int wanted = box->fontMetrics().horizontalAdvance(text) + box->fontMetrics().averageCharWidth() * 3;
        box->setMinimumWidth(qMin(wanted, limit));
    };
    widen(box->text());
    QObject::connect(box, &QLineEdit::textChanged, box, widen);
}
