// A layout printed through a real CUPS queue with the program's own printing
// path, against the same layout written in PDF mode. The queue is a cups-pdf
// printer whose printable area starts 12 points inside the sheet
// (scripts/cups_test_queue.sh); the PDF mode has Qt's own margins. Both pages
// are read back at 600 dpi: every item must stand at the same place relative
// to the printable area and have the same extent on both, whatever the
// device's resolution and margins.
//
// Runs where the queue is up and KORVEL_CUPS_SERVER, KORVEL_CUPS_QUEUE and
// KORVEL_CUPS_OUT tell where it is (test.sh starts it); skipped otherwise.

#include "support/RenderTestSupport.h"

#include "ui/printing/PrintJob.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace rendertest;

namespace {

constexpr int ReadDpi = 600;
constexpr int JobTimeoutMs = 60000;
// Every item lies within this much of the sheet's top.
constexpr double ReadDepthMm = 160;
// Read-back pixels: two renderings of the same glyphs (the queue's come
// through pdftops and Ghostscript) may round an edge to either side.
constexpr double PlaceTolerance = 2;

double pxOfMm(double mm)
{
    return mm * ReadDpi / 25.4;
}

double pxOfPt(double pt)
{
    return pt * ReadDpi / 72;
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAll());
}

// One item of the layout and the region (mm from the printable area's corner)
// that holds its ink and no other item's. A pen's width is device pixels
// (thinner on a finer device), so for a stroked item the path through the
// middle of its strokes is compared, not the outside of its ink.
struct Item {
    const char *name;
    QString line;
    QRectF regionMm;
    bool stroked = false;
};

QString text(const char *font, int size, double x, double y, const char *s, int id, bool vertical = false)
{
    Text t;
    t.font = QString::fromUtf8(font);
    t.size = QString::number(size);
    t.x = QString::number(x);
    t.y = QString::number(y);
    t.text = QString::fromUtf8(s);
    t.mode = QLatin1String(vertical ? "1" : "0");
    return t.line(id);
}

const char *const Mincho = "ＭＳ 明朝";
const char *const Gothic = "ＭＳ ゴシック";

// Short to about 100 mm long, 8 to 28 points, both fonts, one vertical text,
// a rule and a box; far enough apart that each has a region of its own.
const QVector<Item> &items()
{
    static const QVector<Item> all{
        {"明朝 8pt", text(Mincho, 8, 10, 10, "山田", 1), QRectF(5, 5, 100, 13)},
        {"ゴシック 10pt 英数字", text(Gothic, 10, 10, 25, "TEL 03-1234-5678", 2), QRectF(5, 20, 100, 13)},
        {"明朝 12pt", text(Mincho, 12, 10, 40, "東京都千代田区丸の内一丁目", 3), QRectF(5, 35, 115, 15)},
        {"ゴシック 16pt 約100mm", text(Gothic, 16, 10, 58, "株式会社コルベル運輸東京配送センター", 4),
         QRectF(5, 54, 120, 16)},
        {"明朝 28pt", text(Mincho, 28, 10, 78, "お届け先", 5), QRectF(5, 74, 115, 20)},
        {"ゴシック 20pt 数字", text(Gothic, 20, 10, 102, "0123456789", 6), QRectF(5, 98, 115, 15)},
        {"縦書き 明朝 14pt", text(Mincho, 14, 160, 10, "縦書きの住所", 7, true), QRectF(150, 5, 45, 70)},
        {"罫線 100mm", QStringLiteral("0;8;0;0;line;10;130;110;130;1;実線;0;0;"), QRectF(5, 124, 115, 12), true},
        {"枠", QStringLiteral("0;9;0;0;rect;130;90;190;140;1;実線;0;0;"), QRectF(125, 85, 70, 60), true},
    };
    return all;
}

bool inked(const QImage &page, int x, int y)
{
    return page.constScanLine(y)[x] < 200;
}

// The smallest rectangle holding the ink of a grey page within area.
QRect inkBox(const QImage &page, QRect area)
{
    area = area.intersected(page.rect());
    int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (inked(page, x, y)) {
                l = std::min(l, x);
                r = std::max(r, x);
                t = std::min(t, y);
                b = std::max(b, y);
            }
    return l == INT_MAX ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

// The thickness of the strokes of the shape whose ink box is ink: the first
// run of ink across its middle row or column, whichever is shorter (across
// a rule, across a box's side).
int strokeThickness(const QImage &page, QRect ink)
{
    const auto run = [&](bool across) {
        int n = 0;
        for (int i = 0; i < (across ? ink.height() : ink.width()); ++i) {
            const bool on = across ? inked(page, ink.center().x(), ink.top() + i)
                                   : inked(page, ink.left() + i, ink.center().y());
            if (!on && n > 0)
                break;
            n += on ? 1 : 0;
        }
        return n;
    };
    return std::min(run(true), run(false));
}

// One page read back: its pixels and the read-back pixel of its printable
// area's corner.
struct Page {
    QImage image;
    QPointF corner;
};

// Where an item is on a page, in read-back pixels from the printable corner.
struct Placed {
    QRectF box;
    int stroke = 0;
};

Placed place(const Page &page, const Item &item)
{
    const QRectF region(page.corner + QPointF(pxOfMm(item.regionMm.left()), pxOfMm(item.regionMm.top())),
                        QSizeF(pxOfMm(item.regionMm.width()), pxOfMm(item.regionMm.height())));
    const QRect ink = inkBox(page.image, region.toRect());
    if (ink.isNull())
        return {};
    // From the first inked pixel's near edge to the last one's far edge.
    const QRectF box = QRectF(ink).translated(-page.corner);
    const int stroke = item.stroked ? strokeThickness(page.image, ink) : 0;
    return {box.adjusted(stroke / 2.0, stroke / 2.0, -stroke / 2.0, -stroke / 2.0), stroke};
}

class CupsQueue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server = qEnvironmentVariable("KORVEL_CUPS_SERVER");
        queue = qEnvironmentVariable("KORVEL_CUPS_QUEUE");
        outDir = qEnvironmentVariable("KORVEL_CUPS_OUT");
        if (server.isEmpty() || queue.isEmpty() || outDir.isEmpty())
            GTEST_SKIP() << "no CUPS test queue: run scripts/cups_test_queue.sh start and export the variables "
                            "of build/cups-queue/env (test.sh does both)";
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            << "pdftoppm (poppler-utils) is needed to read the pages back";
        // Only this program talks to the private server: the other tests keep
        // seeing the machine's own printers (none on a build machine).
        qputenv("CUPS_SERVER", server.toLocal8Bit());
        app();
        ASSERT_TRUE(dir.isValid());
    }

    // The PDF cups-pdf writes for the job titled title, once the queue has
    // finished with it; empty after the timeout.
    QString waitForCupsPdf(const QString &title) const
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < JobTimeoutMs) {
            const QStringList found =
                QDir(outDir).entryList({QStringLiteral("*") + title + QStringLiteral("*.pdf")}, QDir::Files);
            // cups-pdf writes the file in place; the job ends when it is whole.
            if (!found.isEmpty() && run(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue}).trimmed().isEmpty())
                return QDir(outDir).filePath(found.first());
            QThread::msleep(200);
        }
        return QString();
    }

    // The top of the first page of pdf, as far down as the items go, at
    // ReadDpi in grey and without antialiasing (the whole sheet would be more
    // than Qt reads into one image).
    QImage readPage(const QString &pdf) const
    {
        const QString stem = dir.filePath(QFileInfo(pdf).completeBaseName());
        QProcess p;
        p.start(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QString::number(ReadDpi), QStringLiteral("-gray"), QStringLiteral("-aa"),
                 QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-x"),
                 QStringLiteral("0"), QStringLiteral("-y"), QStringLiteral("0"), QStringLiteral("-W"),
                 QString::number(int(pxOfMm(210))), QStringLiteral("-H"), QString::number(int(pxOfMm(ReadDepthMm))),
                 QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, stem});
        EXPECT_TRUE(p.waitForFinished(120000));
        return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
    }

    QString server, queue, outDir;
    QTemporaryDir dir;
};

// The printable area's corner of a printer, in points from its page's corner:
// where the painter's origin is, in whole device pixels.
QPointF printableCorner(const QPrinter &printer)
{
    return printer.pageRect(QPrinter::DevicePixel).topLeft() * 72.0 / printer.resolution();
}

// The sheet size of the first page of pdf in points.
QSizeF sheetSize(const QString &pdf)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                                          .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

TEST_F(CupsQueue, ItemsStandWhereThePdfModePutsThemAndKeepTheirExtent)
{
    QStringList lines{header()};
    for (const Item &item : items())
        lines << item.line;

    QPrinter pdf(QPrinter::HighResolution);
    PrintJob::configurePdf(pdf, dir.filePath(QStringLiteral("mode.pdf")));
    const DrawResult written = PrintJob::print(pdf, lines, {});
    ASSERT_TRUE(written.ok) << written.message.toStdString();
    const Page pdfPage{readPage(pdf.outputFileName()),
                       QPointF(pxOfPt(printableCorner(pdf).x()), pxOfPt(printableCorner(pdf).y()))};
    ASSERT_FALSE(pdfPage.image.isNull());

    // The queue as Qt opens it (its PDF stream's 1200 dpi), and at the
    // printer's 600 dpi as remembered printer settings set it.
    for (const int dpi : {0, 600}) {
        SCOPED_TRACE(dpi == 0 ? "as opened" : "600 dpi");
        QPrinter cups(QPrinter::HighResolution);
        cups.setPrinterName(queue);
        ASSERT_EQ(cups.printerName().toStdString(), queue.toStdString())
            << "Qt does not see the queue on " << server.toStdString();
        ASSERT_EQ(cups.outputFormat(), QPrinter::NativeFormat);
        cups.setPageSize(QPageSize(QPageSize::A4));
        if (dpi > 0)
            cups.setResolution(dpi);
        // The queue's printable area, from its PPD: 12 points in from the sheet's edges.
        const QPointF corner = printableCorner(cups);
        ASSERT_NEAR(corner.x(), 12, 0.05);
        ASSERT_NEAR(corner.y(), 12, 0.05);
        const QString title = QStringLiteral("korvel-test-%1-%2-%3")
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(QDateTime::currentMSecsSinceEpoch())
                                  .arg(dpi);
        cups.setDocName(title);
        const DrawResult printed = PrintJob::print(cups, lines, {});
        ASSERT_TRUE(printed.ok) << printed.message.toStdString();

        const QString cupsPdf = waitForCupsPdf(title);
        ASSERT_FALSE(cupsPdf.isEmpty())
            << "no output of " << title.toStdString() << " in " << outDir.toStdString() << " after "
            << JobTimeoutMs / 1000 << " s (logs in " << qEnvironmentVariable("KORVEL_CUPS_LOG").toStdString()
            << "); the queue:\n"
            << run(QStringLiteral("lpstat"), {QStringLiteral("-l"), QStringLiteral("-p"), queue}).toStdString();
        // Qt's A4 page is whole points (595 x 842); the CUPS filters centre it
        // on the queue's 595.28 x 841.89 sheet, a few hundredths of a
        // millimetre that a real printer's sheet gets as well. Any other
        // sheet would move the page by far more.
        const QSizeF sheet = sheetSize(cupsPdf);
        const QSizeF paper = cups.paperRect(QPrinter::Point).size();
        const QPointF centring((sheet.width() - paper.width()) / 2, (sheet.height() - paper.height()) / 2);
        ASSERT_LT(std::max(std::abs(centring.x()), std::abs(centring.y())), 0.5)
            << "sheet " << sheet.width() << " x " << sheet.height() << " pt, page " << paper.width() << " x "
            << paper.height() << " pt";
        const Page cupsPage{readPage(cupsPdf),
                            QPointF(pxOfPt(corner.x() + centring.x()), pxOfPt(corner.y() + centring.y()))};
        ASSERT_FALSE(cupsPage.image.isNull());
        std::printf("queue at %d dpi, its page centred by (%.3f, %.3f) pt on the sheet\n", cups.resolution(),
                    centring.x(), centring.y());

        for (const Item &item : items()) {
            SCOPED_TRACE(item.name);
            const Placed onQueue = place(cupsPage, item);
            const Placed inPdf = place(pdfPage, item);
            ASSERT_FALSE(onQueue.box.isNull()) << "no ink from the queue";
            ASSERT_FALSE(inPdf.box.isNull()) << "no ink in the PDF mode";
            const QPointF offset = onQueue.box.topLeft() - inPdf.box.topLeft();
            const QSizeF extent = onQueue.box.size() - inPdf.box.size();
            // One printer pixel (1/600 inch) per 100 mm of extent, at least one.
            const double widthTolerance = std::max(1.0, inPdf.box.width() / pxOfMm(100));
            const double heightTolerance = std::max(1.0, inPdf.box.height() / pxOfMm(100));
            const std::string measured =
                QStringLiteral("queue %1 x %2 at (%3, %4), PDF mode %5 x %6 at (%7, %8) px from the printable corner "
                               "(strokes %9 and %10 px): offset (%11, %12), extent (%13, %14)")
                    .arg(onQueue.box.width(), 0, 'f', 1)
                    .arg(onQueue.box.height(), 0, 'f', 1)
                    .arg(onQueue.box.left(), 0, 'f', 1)
                    .arg(onQueue.box.top(), 0, 'f', 1)
                    .arg(inPdf.box.width(), 0, 'f', 1)
                    .arg(inPdf.box.height(), 0, 'f', 1)
                    .arg(inPdf.box.left(), 0, 'f', 1)
                    .arg(inPdf.box.top(), 0, 'f', 1)
                    .arg(onQueue.stroke)
                    .arg(inPdf.stroke)
                    .arg(offset.x(), 0, 'f', 2)
                    .arg(offset.y(), 0, 'f', 2)
                    .arg(extent.width(), 0, 'f', 1)
                    .arg(extent.height(), 0, 'f', 1)
                    .toStdString();
            std::printf("  %s: %s\n", item.name, measured.c_str());
            EXPECT_LE(std::abs(offset.x()), PlaceTolerance) << measured;
            EXPECT_LE(std::abs(offset.y()), PlaceTolerance) << measured;
            EXPECT_LE(std::abs(extent.width()), widthTolerance) << measured;
            EXPECT_LE(std::abs(extent.height()), heightTolerance) << measured;
        }
    }
}

} // namespace
