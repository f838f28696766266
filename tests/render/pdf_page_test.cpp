// Pages printed into a PDF file through the printing path, read back as pixels
// with pdftoppm: gradient text keeps its rows, its bold and its box however it
// is written into the file, and stays small in the file.

#include "RenderTestSupport.h"

#include "render/PrintJob.h"

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

    // Prints lines as one page into a PDF at 1200 dpi; the file's path.
    QString printPdf(const QStringList &lines, const char *name)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, path);
        printer.setFullPage(true);
        const DrawResult result = PrintJob::print(printer, lines, PrintJob::Options());
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
