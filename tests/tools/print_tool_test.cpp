// End-to-end runs of the staged korvel-print: render and pdf on hand-written
// layouts, and the errors a script must be able to rely on.

#include "support/ToolRun.h"

#include "core/text/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PrintTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tool = qEnvironmentVariable("KORVEL_TEST_PROGRAM_DIR") + QStringLiteral("/korvel-print");
        ASSERT_TRUE(QFile::exists(tool)) << tool.toStdString();
    }

    ToolRun run(const QStringList &args) const { return RunTool(tool, args, 60000); }

    // Writes a layout in code page 932 with CR LF, as the program writes them.
    QString writeStyle(const QString &name, const QStringList &lines) const
    {
        const QString path = dir.filePath(name);
        EXPECT_EQ(WriteTextLines(path, lines, TextEncoding::Cp932), WriteStatus::Ok);
        return path;
    }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString tool;
};

const QString kHeader = QStringLiteral("header;Ver1.2;5;0;0;0;401;100;0;0;;");
const QString kBox = QStringLiteral("0;50;0;0;rect;10;10;30;30;1;実線;0;0;");
const QString kPreviewOnlyBox = QStringLiteral("0;51;0;0;rect;100;10;120;30;1;実線;0;1;");
const QString kName = QStringLiteral("0;6;0;0;char;50;60;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;;0;0;");

bool inkAt(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                return true;
    return false;
}

TEST_F(PrintTool, RenderDrawsThePreviewOfTheWholePrintableArea)
{
    const QString style = writeStyle("a.sle", {kHeader, kBox, kPreviewOnlyBox});
    const ToolRun r = run({"render", "--style", style, "--out", path("a.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage image(path("a.png"));
    EXPECT_EQ(image.size(), QSize(793, 1122)); // A4 at 96 dpi
    // The header's offset of 5 mm is not shown on the preview by default.
    EXPECT_TRUE(inkAt(image, QRect(37, 37, 1, 1)));
    EXPECT_TRUE(inkAt(image, QRect(377, 37, 1, 1))); // the preview-only box
    const ToolRun shifted = run({"render", "--style", style, "--apply-offsets", "--out", path("b.png")});
    ASSERT_EQ(shifted.exitCode, 0);
    EXPECT_TRUE(inkAt(QImage(path("b.png")), QRect(56, 37, 1, 1))); // 15 mm
}

TEST_F(PrintTool, RenderAsThePrinterAppliesOffsetsAndLeavesOutPreviewOnlyItems)
{
    const QString style = writeStyle("a.sle", {kHeader, kBox, kPreviewOnlyBox});
    const ToolRun r = run({"render", "--style", style, "--target", "printer", "--dpi", "300", "--offset", "-5,2",
                       "--page", "150x100", "--out", path("p.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage image(path("p.png"));
    EXPECT_EQ(image.size(), QSize(1771, 1181));
    // 5 mm and 12 mm at 11.811 px/mm; the box's lines are 3 px wide at 300 dpi.
    EXPECT_TRUE(inkAt(image, QRect(59 - 2, 141 - 2, 5, 5)));
    EXPECT_FALSE(inkAt(image, QRect(1100, 100, 400, 300)));
}

TEST_F(PrintTool, RenderTransfersTheRecordIntoTheLayout)
{
    const QString style = writeStyle("a.sle", {kHeader, kName});
    QStringList record;
    for (int i = 0; i < 42; ++i)
        record << QString();
    record[8] = QStringLiteral("山田太郎");
    const QString recordPath = path("singledata.txt");
    ASSERT_EQ(WriteTextLines(recordPath, record, TextEncoding::Cp932), WriteStatus::Ok);
    const QRect nameArea(189, 226, 120, 20);
    ASSERT_EQ(run({"render", "--style", style, "--out", path("empty.png")}).exitCode, 0);
    EXPECT_FALSE(inkAt(QImage(path("empty.png")), nameArea));
    const ToolRun r = run({"render", "--style", style, "--record", recordPath, "--edition", "40", "--out", path("n.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(inkAt(QImage(path("n.png")), nameArea));
    // Drawing text leaves nothing for the console: no painter complaint. (A
    // runtime folder of the test's own keeps Qt's note of a missing one out.)
    QTemporaryDir runtime;
    struct RuntimeDir {
        const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
        const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        ~RuntimeDir() { wasSet ? qputenv("XDG_RUNTIME_DIR", before) : qunsetenv("XDG_RUNTIME_DIR"); }
    } restore;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const ToolRun clean = run({"render", "--style", style, "--record", recordPath, "--out", path("c.png")});
    ASSERT_EQ(clean.exitCode, 0) << clean.err.toStdString();
    EXPECT_EQ(clean.err, QString());
    const ToolRun printer = run({"render", "--style", style, "--record", recordPath, "--target", "printer", "--dpi",
                                 "300", "--out", path("p.png")});
    ASSERT_EQ(printer.exitCode, 0) << printer.err.toStdString();
    EXPECT_EQ(printer.err, QString());
}

TEST_F(PrintTool, PdfPrintsOnePagePerCopy)
{
    const QString style = writeStyle("a.sle", {kHeader, kBox, kName});
    const ToolRun r = run({"pdf", "--style", style, "--copies", "3", "--out", path("a.pdf")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.trimmed().endsWith(QStringLiteral("a.pdf")));
    QFile pdf(path("a.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>") +
                  bytes.count("/Type /Page "),
              3);
}

TEST_F(PrintTool, ErrorsAreOneLineWithANonZeroExitAndNoOutput)
{
    const QString good = writeStyle("good.sle", {kHeader, kBox});
    const QString broken = writeStyle("broken.sle", {kHeader, QStringLiteral("0;1;0;0;line;ten;10;20;20;1;実線;0;0;")});
    const QString badHeader = writeStyle("header.sle", {QStringLiteral("header;Ver1.2;0;0;A4;0;401;100;0;0;;")});
    QFile junk(path("junk.sle"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray("\x00\xff\x81;;\x01\r\n\x82\x00", 10));
    junk.close();
    struct Case {
        QStringList args;
        const char *says;
    } cases[] = {
        {{"render", "--style", path("missing.sle"), "--out", path("x.png")}, "not found"},
        {{"render", "--style", good, "--frobnicate", "--out", path("x.png")}, "unknown option"},
        {{"render", "--style", good, "--dpi", "abc", "--out", path("x.png")}, "--dpi"},
        {{"render", "--style", good}, "--out"},
        {{"render", "--style", broken, "--out", path("x.png")}, "line 2, field 6"},
        {{"render", "--style", badHeader, "--out", path("x.png")}, "malformed layout"},
        {{"render", "--style", path("junk.sle"), "--out", path("x.png")}, "not a style file"},
        {{"render", "--style", good, "--record", path("none.txt"), "--out", path("x.png")}, "record file"},
        {{"pdf", "--style", broken, "--out", path("x.pdf")}, "line 2, field 6"},
        {{"pdf", "--style", good, "--copies", "0", "--out", path("x.pdf")}, "--copies"},
        {{"pdf", "--style", good, "--dpi", "300", "--out", path("x.pdf")}, "unknown option"},
        {{"render", "--style", good, "--with-form", "--out", path("x.png")}, "unknown option"},
        {{"pdf", "--consignees", "all", "--with-form", "--out", path("x.pdf")}, "--with-form"},
    };
    for (const Case &c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString() << "\n" << r.err.toStdString();
        const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts).filter(QStringLiteral("korvel-print"));
        ASSERT_EQ(lines.size(), 1) << r.err.toStdString();
        EXPECT_TRUE(lines.first().contains(QString::fromLatin1(c.says))) << lines.first().toStdString();
        EXPECT_FALSE(QFile::exists(path("x.png")));
        EXPECT_FALSE(QFile::exists(path("x.pdf")));
    }
    EXPECT_EQ(run({"render", "--help"}).exitCode, 0);
    EXPECT_TRUE(run({"pdf", "--help"}).out.contains(QStringLiteral("--copies")));
    EXPECT_TRUE(run({"pdf", "--help"}).out.contains(QStringLiteral("--with-form")));
}

TEST_F(PrintTool, PdfWithFormPrintsThePreviewOnlyFormDrawing)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to read PDF pages back";
    const QString style = writeStyle("form.sle", {kHeader, kPreviewOnlyBox});
    // The box's left edge (100 mm plus the printable area's margin) stands in
    // 98..128 mm across, 15..25 mm down on the sheet; nothing else of a test print does.
    const QRect boxEdge(int(98 / 25.4 * 100), int(15 / 25.4 * 100), int(30 / 25.4 * 100), int(10 / 25.4 * 100));
    struct Case {
        QStringList extra;
        bool ink;
    } cases[] = {{{}, false}, {{"--with-form"}, true}};
    for (const Case &c : cases) {
        const QString pdf = path("form.pdf");
        ASSERT_EQ(run(QStringList{"pdf", "--style", style, "--out", pdf} + c.extra).exitCode, 0);
        QProcess read;
        read.start(pdftoppm, {"-r", "100", "-singlefile", "-png", pdf, path("form")});
        ASSERT_TRUE(read.waitForFinished(60000));
        const QImage page(path("form.png"));
        ASSERT_FALSE(page.isNull());
        EXPECT_EQ(inkAt(page, boxEdge), c.ink) << c.extra.join(' ').toStdString();
    }
}

// Only the program's editions are accepted; a script that names another one is
// told which exist instead of getting another edition's drawing.
TEST_F(PrintTool, UnknownEditionsAreRefusedWithTheListOfEditions)
{
    const QString style = writeStyle("a.sle", {kHeader, kBox});
    for (const char *edition : {"70", "15", "0"}) {
        for (const char *command : {"render", "pdf"}) {
            const QString out = path(command == QLatin1String("render") ? "e.png" : "e.pdf");
            const ToolRun r = run({command, "--style", style, "--edition", edition, "--out", out});
            EXPECT_EQ(r.exitCode, 2) << command << " " << edition;
            const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts).filter(QStringLiteral("korvel-print"));
            ASSERT_EQ(lines.size(), 1) << r.err.toStdString();
            EXPECT_TRUE(lines.first().contains(QStringLiteral("10, 20, 30, 40, 50, 60"))) << lines.first().toStdString();
            EXPECT_TRUE(lines.first().contains(QStringLiteral("'%1'").arg(edition))) << lines.first().toStdString();
            EXPECT_FALSE(QFile::exists(out));
        }
    }
    for (const char *edition : {"10", "60"})
        EXPECT_EQ(run({"render", "--style", style, "--edition", edition, "--out", path("ok.png")}).exitCode, 0);
}

// A file that is no style file is named as such, in one language, whichever
// way the layout is opened.
TEST_F(PrintTool, AFileThatIsNotAStyleFileIsNamed)
{
    const QString notStyle = writeStyle("list.csv", {QStringLiteral("name;address;telephone"),
                                                     QStringLiteral("yamada;tokyo;03")});
    ASSERT_TRUE(QDir().mkpath(path("appdata")));
    const QStringList runs[] = {
        {"render", "--style", notStyle, "--out", path("x.png")},
        {"pdf", "--style", notStyle, "--out", path("x.pdf")},
        {"pdf", "--consignees", "all", "--appdata", path("appdata"), "--style", notStyle, "--out", path("x.pdf")},
    };
    for (const QStringList &args : runs) {
        const ToolRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts).filter(QStringLiteral("korvel-print"));
        ASSERT_EQ(lines.size(), 1) << r.err.toStdString();
        EXPECT_TRUE(lines.first().contains(QStringLiteral("not a style file: ") + notStyle)) << lines.first().toStdString();
        // One language per message: nothing Japanese in the English line.
        for (const QChar c : lines.first())
            EXPECT_LT(c.unicode(), 0x3000) << lines.first().toStdString();
        EXPECT_FALSE(QFile::exists(path("x.png")));
        EXPECT_FALSE(QFile::exists(path("x.pdf")));
    }
}

} // namespace
