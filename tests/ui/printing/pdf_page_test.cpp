// Pages printed into a PDF file through the printing path, read back as pixels
// with pdftoppm: gradient text keeps its rows, its bold and its box however it
// is written into the file, and stays small in the file; a test print carries
// the form drawing and its marks where they belong.

#include "support/RenderTestSupport.h"

#include "core/drawing/DeviceScale.h"
#include "ui/printing/PrintJob.h"
#include "core/drawing/TestPrintMarks.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rendertest;

namespace {

constexpr int ReadDpi = 300;

class PdfPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app();
        ASSERT_TRUE(dir.isValid());
        pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to read PDF pages back";
    }

    // Prints lines as one page into a PDF at 1200 dpi; the file's path. With
    // margins (points) the printable area starts inside the sheet, as on a printer.
    QString printPdf(const QStringList &lines, const char *name, const PrintJob::Options &options = {},
                     const QMarginsF &margins = QMarginsF())
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, path);
        printer.setFullPage(margins.isNull());
        if (!margins.isNull())
            printer.setPageMargins(margins, QPageLayout::Point);
        const DrawResult result = PrintJob::print(printer, lines, options);
        EXPECT_TRUE(result.ok) << result.message.toStdString();
        return path;
    }

    // The first page of the PDF at ReadDpi, without antialiasing.
    QImage readPage(const QString &pdf)
    {
        const QString stem = pdf + QStringLiteral(".page");
        QProcess p;
        p.start(pdftoppm, {QStringLiteral("-r"), QString::number(ReadDpi), QStringLiteral("-aa"),
                           QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                           QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, stem});
        EXPECT_TRUE(p.waitForFinished(60000));
        QImage image(stem + QStringLiteral(".png"));
        EXPECT_FALSE(image.isNull());
        return image.convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    QString pdftoppm;
};

// A 36-point gradient text at (10 mm, 10 mm) from red to blue.
Text gradientText()
{
    Text t;
    t.text = QStringLiteral("東京");
    t.size = QStringLiteral("36");
    t.mode = QStringLiteral("3");
    t.color = QStringLiteral("255");       // red
    t.second = QStringLiteral("16711680"); // blue
    return t;
}

// Inked rows of image from top to bottom with the mean colour of their ink.
QVector<QColor> inkRowColours(const QImage &image, QRect area)
{
    QVector<QColor> rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        qint64 r = 0, b = 0, n = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (!isInk(p))
                continue;
            r += qRed(p);
            b += qBlue(p);
            ++n;
        }
        if (n > 0)
            rows.append(QColor(int(r / n), 0, int(b / n)));
    }
    return rows;
}

TEST_F(PdfPage, GradientTextRunsFromTheColourToTheSecondColourDownItsRows)
{
    const QImage page = readPage(printPdf({header(), gradientText().line()}, "gradient.pdf"));
    const QRect ink = inkBounds(page);
    ASSERT_FALSE(ink.isNull());
    const QVector<QColor> rows = inkRowColours(page, ink);
    ASSERT_GE(rows.size(), 20);
    // The first inked rows are nearly the item colour, the last ones nearly the
    // second colour, and the red fades row by row in between.
    EXPECT_GT(rows.first().red(), 200);
    EXPECT_LT(rows.first().blue(), 60);
    EXPECT_LT(rows.last().red(), 60);
    EXPECT_GT(rows.last().blue(), 200);
    for (int i = 1; i < rows.size(); ++i)
        EXPECT_LE(rows[i].red(), rows[i - 1].red() + 2) << "row " << i;
}

TEST_F(PdfPage, GradientTextHasTheGlyphsAndBoldOfThePrinterPass)
{
    const QStringList lines{header(), gradientText().line()};
    const QImage page = readPage(printPdf(lines, "gradient.pdf"));
    const LayoutImage printed = printer(lines, ReadDpi, page.size());
    ASSERT_TRUE(printed.result.ok);
    const QRect pdfInk = inkBounds(page);
    const QRect rasterInk = inkBounds(printed.image);
    ASSERT_FALSE(pdfInk.isNull());
    ASSERT_FALSE(rasterInk.isNull());
    // Same place and size within a pixel or two, and as much ink (within the
    // viewer's rounding): the bold of the pass, not the thinner one a PDF
    // viewer adds to a bold font.
    EXPECT_NEAR(pdfInk.left(), rasterInk.left(), 2);
    EXPECT_NEAR(pdfInk.top(), rasterInk.top(), 2);
    EXPECT_NEAR(pdfInk.right(), rasterInk.right(), 2);
    EXPECT_NEAR(pdfInk.bottom(), rasterInk.bottom(), 2);
    const int pdfCount = inkCount(page);
    const int rasterCount = inkCount(printed.image);
    EXPECT_NEAR(pdfCount, rasterCount, rasterCount / 10);
    Text regular = gradientText();
    regular.mode = QStringLiteral("0");
    const int regularCount = inkCount(readPage(printPdf({header(), regular.line()}, "regular.pdf")));
    // The viewer's own bold of a bold font adds about a sixth to the regular
    // ink; the pass's bold adds more than half.
    EXPECT_GT(pdfCount, regularCount * 3 / 2);
}

TEST_F(PdfPage, GradientTextIsCutAtItsBoxAsTheRowsAre)
{
    // An italic bold text leans past its measured width: the rows (and so the
    // ink) end at the box, as on the printer pass.
    Text t = gradientText();
    t.style = QStringLiteral("太字斜体");
    t.text = QStringLiteral("ff");
    t.font = QStringLiteral("ＭＳ 明朝");
    const QStringList lines{header(), t.line()};
    const QImage page = readPage(printPdf(lines, "italic.pdf"));
    const LayoutImage printed = printer(lines, ReadDpi, page.size());
    const QRect pdfInk = inkBounds(page);
    const QRect rasterInk = inkBounds(printed.image);
    ASSERT_FALSE(pdfInk.isNull());
    EXPECT_LE(pdfInk.right(), rasterInk.right() + 2);
    EXPECT_LE(pdfInk.bottom(), rasterInk.bottom() + 2);
}

TEST_F(PdfPage, GradientTextStaysSmallInTheFile)
{
    // Twenty gradient texts: written as text they take a few kilobytes, where
    // their glyph outlines took hundreds.
    QStringList lines{header()};
    for (int i = 0; i < 20; ++i) {
        Text t = gradientText();
        t.y = QString::number(10 + i * 13);
        t.text = QStringLiteral("東京都千代田区丸の内");
        lines << t.line(i + 1);
    }
    const QString pdf = printPdf(lines, "many.pdf");
    EXPECT_LT(QFileInfo(pdf).size(), 120 * 1024);
    const QImage page = readPage(pdf);
    EXPECT_GT(inkCount(page), 0);
}

} // namespace

TEST_F(PdfPage, CharactersOutsideTheIpaFontsPrintWithRealGlyphs)
{
    // 𠮷 and 髙 come from the fallback font: in the file they must be the same
    // glyphs as on the printer pass, not the box of a missing glyph.
    Text t;
    t.text = QStringLiteral("𠮷髙");
    t.size = QStringLiteral("28");
    t.font = QStringLiteral("ＭＳ 明朝");
    const QStringList lines{header(), t.line()};
    const QImage page = readPage(printPdf(lines, "rare.pdf"));
    const LayoutImage printed = printer(lines, ReadDpi, page.size());
    Text missing = t;
    missing.text = QString::fromUtf8("\xf3\xbf\xbf\xbd\xf3\xbf\xbf\xbd");
    const QImage boxes = readPage(printPdf({header(), missing.line()}, "missing.pdf"));
    const QRect pdfInk = inkBounds(page);
    const QRect rasterInk = inkBounds(printed.image);
    ASSERT_FALSE(pdfInk.isNull());
    EXPECT_NEAR(pdfInk.left(), rasterInk.left(), 2);
    EXPECT_NEAR(pdfInk.right(), rasterInk.right(), 2);
    EXPECT_NEAR(inkCount(page), inkCount(printed.image), inkCount(printed.image) / 10);
    EXPECT_NE(page, boxes);
}

namespace {

// The printable area of the test prints starts 18 points (6.35 mm) from the
// left and 24 points from the top of the sheet, as a printer's unprintable
// margins would put it. Whole points: the PDF page keeps its margins in points.
const QMarginsF TestMargins(18, 24, 18, 24);

// Read-back pixels of a position in mm from the printable area's corner.
double readX(double mm)
{
    return TestMargins.left() * ReadDpi / 72 + mm * ReadDpi / 25.4;
}
double readY(double mm)
{
    return TestMargins.top() * ReadDpi / 72 + mm * ReadDpi / 25.4;
}

// Where the printer pass puts a whole millimetre (1200 dpi, fraction dropped),
// in read-back pixels from the printable corner.
double printedMm(int mm)
{
    return double(DeviceScale::toPixels(Millimetre::fromWhole(mm), DeviceScale::pxPerMmUnits(1200))) / 1200 * 25.4;
}

// The centre of the cross whose arms run through the window: the middle of
// the columns (rows) that hold at least half of the best column's (row's) ink.
QPointF crossCentre(const QImage &page, QRect window)
{
    QVector<int> columns(window.width()), rows(window.height());
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x)
            if (isInk(page.pixel(window.left() + x, window.top() + y))) {
                ++columns[x];
                ++rows[y];
            }
    const auto middle = [](const QVector<int> &counts) {
        const int best = *std::max_element(counts.begin(), counts.end());
        int first = -1, last = -1;
        for (int i = 0; i < counts.size(); ++i)
            if (best > 0 && counts[i] * 2 >= best) {
                if (first < 0)
                    first = i;
                last = i;
            }
        return first < 0 ? -1000.0 : (first + last) / 2.0;
    };
    return QPointF(window.left() + middle(columns), window.top() + middle(rows));
}

// A read-back square of side 2 x half mm around a point in mm from the printable corner.
QRect readSquare(double xMm, double yMm, double halfMm)
{
    return QRect(QPoint(int(readX(xMm - halfMm)), int(readY(yMm - halfMm))),
                 QPoint(int(readX(xMm + halfMm)), int(readY(yMm + halfMm))));
}

// The form drawing of a layout: a box and a caption shown on the preview only,
// and a waybill text that every print carries.
QStringList formLayout()
{
    Text caption;
    caption.x = QStringLiteral("35");
    caption.y = QStringLiteral("45");
    caption.size = QStringLiteral("20");
    caption.text = QStringLiteral("お届け先");
    caption.previewOnly = QStringLiteral("1");
    Text data;
    data.x = QStringLiteral("40");
    data.y = QStringLiteral("130");
    data.size = QStringLiteral("16");
    data.text = QStringLiteral("山田");
    return {header(), QStringLiteral("0;900;0;0;rect;30;40;80;70;1;実線;0;1;"), caption.line(900), data.line(6)};
}

// The form lies in 25..90 mm, clear of the crosses, the rulers and the note.
constexpr double FormFrom = 25, FormTo = 90;

} // namespace

TEST_F(PdfPage, TestPrintPutsTheFormDrawingWhereThePreviewHasIt)
{
    const QStringList lines = formLayout();
    PrintJob::Options test;
    test.testPrint = true;
    const QImage page = readPage(printPdf(lines, "test.pdf", test, TestMargins));
    const QImage normal = readPage(printPdf(lines, "normal.pdf", {}, TestMargins));
    const QRect formArea(QPoint(int(readX(FormFrom)), int(readY(FormFrom))),
                         QPoint(int(readX(FormTo)), int(readY(FormTo))));
    EXPECT_EQ(inkCount(normal, formArea), 0);
    EXPECT_GT(inkCount(normal), 0); // the waybill text is printed all the same

    // The preview at 96 dpi, its ink in mm, against the paper's ink in mm.
    const LayoutImage shown = preview(lines, QSize(400, 400));
    const QRect previewInk = inkBounds(shown.image, QRect(QPoint(int(FormFrom * 96 / 25.4), int(FormFrom * 96 / 25.4)),
                                                          QPoint(int(FormTo * 96 / 25.4), int(FormTo * 96 / 25.4))));
    const QRect paperInk = inkBounds(page, formArea);
    ASSERT_FALSE(previewInk.isNull());
    ASSERT_FALSE(paperInk.isNull());
    const auto mm = [](double px, double dpi) { return px * 25.4 / dpi; };
    // The printed pen is (1 + 4) / 144 inch wide, half of it outside the box.
    const double tolerance = 0.6;
    EXPECT_NEAR(mm(paperInk.left() - readX(0), ReadDpi), mm(previewInk.left(), 96), tolerance);
    EXPECT_NEAR(mm(paperInk.top() - readY(0), ReadDpi), mm(previewInk.top(), 96), tolerance);
    EXPECT_NEAR(mm(paperInk.right() - readX(0), ReadDpi), mm(previewInk.right(), 96), tolerance);
    EXPECT_NEAR(mm(paperInk.bottom() - readY(0), ReadDpi), mm(previewInk.bottom(), 96), tolerance);
    // The caption inside the box is on the test print too.
    EXPECT_GT(inkCount(page, readSquare(55, 55, 12)), 0);
    EXPECT_GT(inkCount(shown.image, QRect(QPoint(int(43 * 96 / 25.4), int(43 * 96 / 25.4)),
                                          QPoint(int(67 * 96 / 25.4), int(67 * 96 / 25.4)))),
              0);
}

TEST_F(PdfPage, TestPrintCrossesStayAtTheCornerWhateverTheOverallOffsets)
{
    struct Case {
        int ofx, ofy;
        const char *file;
    };
    const QStringList lines = formLayout();
    QRect formWithoutOffsets;
    for (const Case &c : {Case{0, 0, "plain.pdf"}, Case{5, 3, "shifted.pdf"}, Case{-4, -6, "back.pdf"}}) {
        SCOPED_TRACE(c.file);
        PrintJob::Options test;
        test.testPrint = true;
        test.ofxbox = c.ofx;
        test.ofybox = c.ofy;
        const QImage page = readPage(printPdf(lines, c.file, test, TestMargins));
        for (int at : TestPrintCrossesMm) {
            SCOPED_TRACE(at);
            // The window holds the arms and keeps out the label and the rulers.
            const QPointF centre = crossCentre(page, readSquare(at, at, 2.5));
            EXPECT_NEAR(centre.x(), readX(printedMm(at)), 1.0);
            EXPECT_NEAR(centre.y(), readY(printedMm(at)), 1.0);
        }
        // The form drawing moves with the offsets.
        const QRect form = inkBounds(page, readSquare(57.5, 57.5, 22.5 + 10));
        ASSERT_FALSE(form.isNull());
        if (c.ofx == 0 && c.ofy == 0) {
            formWithoutOffsets = form;
            continue;
        }
        ASSERT_FALSE(formWithoutOffsets.isNull());
        EXPECT_NEAR(form.left() - formWithoutOffsets.left(), c.ofx * ReadDpi / 25.4, 1.5);
        EXPECT_NEAR(form.top() - formWithoutOffsets.top(), c.ofy * ReadDpi / 25.4, 1.5);
    }
}

TEST_F(PdfPage, TestPrintRulerTicksStandEveryMillimetre)
{
    PrintJob::Options test;
    test.testPrint = true;
    const QImage page = readPage(printPdf({header()}, "ruler.pdf", test, TestMargins));
    // One read-back row 1.5 mm below the top edge crosses every tick of the top
    // ruler and none of the left one; one column 1.5 mm right of the left edge
    // likewise.
    const auto runs = [&page](bool top) {
        QVector<double> centres;
        int start = -1;
        const int n = top ? int(readX(150)) : int(readY(150));
        const int from = top ? int(readX(0)) - 3 : int(readY(0)) - 3;
        for (int i = from; i <= n; ++i) {
            const bool ink = top ? isInk(page.pixel(i, int(readY(1.5)))) : isInk(page.pixel(int(readX(1.5)), i));
            if (ink && start < 0)
                start = i;
            if (!ink && start >= 0) {
                centres.append((start + i - 1) / 2.0);
                start = -1;
            }
        }
        return centres;
    };
    for (bool top : {true, false}) {
        SCOPED_TRACE(top ? "top" : "left");
        const QVector<double> ticks = runs(top);
        ASSERT_GE(ticks.size(), 150);
        for (int mm : {0, 1, 5, 10, 57, 100, 149})
            EXPECT_NEAR(ticks[mm], top ? readX(printedMm(mm)) : readY(printedMm(mm)), 1.0) << mm;
    }
}
