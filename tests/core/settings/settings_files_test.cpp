#include "core/settings/OptionsFile.h"
#include "core/settings/PrinterSettingsFile.h"
#include "core/text/TextCodec.h"
#include "core/settings/WindowPositionFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(OptionsFile, WritesThirteenLinesInOrderAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("zerrat_xe2.conf");
    MainOptions o;
    o.zipChange = 1;
    o.fixItem[0] = QString::fromUtf8("衣類");
    o.fixItem[1] = "A=B";
    o.fixKingaku = "3000";
    o.copies = 3;
    o.previewLocate = true;
    o.writeHistory = true;
    ASSERT_TRUE(WriteOptionsFile(path, o));
    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.startsWith("[Version]=1.00\r\n[ZIP_CHANGE]=1\r\n"));
    EXPECT_TRUE(bytes.endsWith("[RirekiWrite]=True\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 13);
    EXPECT_TRUE(bytes.contains("[COPYS]=3\r\n"));

    MainOptions back;
    ASSERT_TRUE(ReadOptionsFile(path, back));
    EXPECT_EQ(OptionLines(back), OptionLines(o));
    EXPECT_EQ(back.fixItem[1], "A=B");
}

TEST(OptionsFile, OnlyExactBooleanLinesCountAndMissingLinesKeepTheState)
{
    MainOptions o;
    o.itemFix = true;
    o.fixItem[2] = "kept";
    ApplyOptionLines({"[ZIP_CHANGE]=1"}, o);
    EXPECT_EQ(o.zipChange, 1);
    EXPECT_TRUE(o.itemFix);
    EXPECT_EQ(o.fixItem[2], "kept");

    ApplyOptionLines({"[ItemFix]=false", "[YenMark]=true", "[ItemFix]=False ", "noequals", "", "[ZIP_CHANGE]=2"}, o);
    EXPECT_TRUE(o.itemFix);
    EXPECT_FALSE(o.yenMark);
    EXPECT_EQ(o.zipChange, 0);
}

TEST(OptionsFile, CopiesMustBeAWholeNumber)
{
    const std::pair<const char *, int> cases[] = {{"[COPYS]=2.5", 1}, {"[COPYS]=", 1}, {"[COPYS]=x", 1},
                                                  {"[COPYS]=7", 7}};
    for (const auto &[line, copies] : cases) {
        MainOptions o;
        o.copies = 5;
        ApplyOptionLines({line}, o);
        EXPECT_EQ(o.copies, copies) << line;
    }
}

TEST(OptionsFile, MissingOrGarbageFilesLeaveTheDefaults)
{
    QTemporaryDir dir;
    MainOptions o;
    EXPECT_FALSE(ReadOptionsFile(dir.filePath("none.conf"), o));
    writeFile(dir.filePath("junk.conf"), QByteArray("\x00\xff\x81[COPYS]\r\n\x00=", 14));
    EXPECT_TRUE(ReadOptionsFile(dir.filePath("junk.conf"), o));
    EXPECT_EQ(OptionLines(o), OptionLines(MainOptions()));
}

TEST(OptionsFile, ATextOutsideCp932IsKeptAndLineBreaksCannotForgeKeys)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("o.conf");
    MainOptions o;
    o.fixItem[0] = QString::fromUtf8("𠮷田の品");
    o.fixItem[1] = "a\r\n[ZIP_CHANGE]=1";
    ASSERT_TRUE(WriteOptionsFile(path, o));
    MainOptions back;
    ReadOptionsFile(path, back);
    EXPECT_EQ(back.fixItem[0], o.fixItem[0]);
    EXPECT_EQ(back.fixItem[1], "a[ZIP_CHANGE]=1");
    EXPECT_EQ(back.zipChange, 0);
}

TEST(WindowPositionFile, WritesTheDocumentAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("morvik_xe2.xml");
    ASSERT_TRUE(WriteWindowPositionFile(path, "morvik_xe2.exe", {1024, 768, 33, 44}));
    const QByteArray xml = readFile(path);
    EXPECT_TRUE(xml.contains("<morvik_xe2>"));
    EXPECT_TRUE(xml.contains("<Form>"));
    EXPECT_TRUE(xml.contains("<Width Name=\"Width\">1024</Width>"));
    EXPECT_LT(xml.indexOf("Width"), xml.indexOf("Height"));
    EXPECT_LT(xml.indexOf("Height"), xml.indexOf("TOP"));
    EXPECT_LT(xml.indexOf("TOP"), xml.indexOf("LEFT"));
    WindowPosition p;
    ASSERT_TRUE(ReadWindowPositionFile(path, p));
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.height, 768);
    EXPECT_EQ(p.top, 33);
    EXPECT_EQ(p.left, 44);
}

TEST(WindowPositionFile, MissingOrBadValuesFallBackOneByOne)
{
    QTemporaryDir dir;
    WindowPosition p;
    EXPECT_FALSE(ReadWindowPositionFile(dir.filePath("none.xml"), p));
    EXPECT_EQ(p.width, 938);
    EXPECT_EQ(p.top, 10);

    writeFile(dir.filePath("w.xml"), "<?xml version=\"1.0\"?><zerrat_xe2><Form>"
                                      "<Width Name=\"Width\">abc</Width><TOP Name=\"TOP\">5</TOP>"
                                      "</Form></zerrat_xe2>");
    ReadWindowPositionFile(dir.filePath("w.xml"), p);
    EXPECT_EQ(p.width, 938);
    EXPECT_EQ(p.height, 708);
    EXPECT_EQ(p.top, 5);
    EXPECT_EQ(p.left, 10);

    writeFile(dir.filePath("g.xml"), "<<<garbage");
    ReadWindowPositionFile(dir.filePath("g.xml"), p);
    EXPECT_EQ(p.width, 938);
}

TEST(PrinterSettingsFile, HeaderIs1564BytesAndRoundTrips)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.prt");
    PrinterSetup setup;
    setup.printerName = QString::fromUtf8("事務所のプリンタ");
    setup.pageSizeId = "A4";
    setup.orientation = 1;
    setup.resolution = 600;
    setup.marginLeftMm = 3.5;
    setup.outputFileName = "/tmp/out.pdf";
    PrinterSettingsFileData data{setup.printerName, "driver", "port", setup.toBlock()};
    ASSERT_TRUE(WritePrinterSettingsFile(path, data));
    const QByteArray bytes = readFile(path);
    ASSERT_EQ(bytes.size(), PrinterFileHeaderSize + data.block.size());
    EXPECT_EQ(qFromLittleEndian<qint32>(bytes.constData() + 1560), data.block.size());
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 520), u'd');

    PrinterSettingsFileData back;
    ASSERT_EQ(ReadPrinterSettingsFile(path, back), PrinterFileStatus::Ok);
    EXPECT_EQ(back.deviceName, setup.printerName);
    EXPECT_EQ(back.portName, "port");
    const auto restored = PrinterSetup::fromBlock(back.block);
    ASSERT_TRUE(restored.has_value());
    EXPECT_TRUE(*restored == setup);
}

TEST(PrinterSettingsFile, ShortOrDamagedFilesAreErrorsAndForeignBlocksAreIgnored)
{
    QTemporaryDir dir;
    PrinterSettingsFileData data;
    EXPECT_EQ(ReadPrinterSettingsFile(dir.filePath("none.prt"), data), PrinterFileStatus::Missing);

    writeFile(dir.filePath("short.prt"), QByteArray(100, 'x'));
    EXPECT_EQ(ReadPrinterSettingsFile(dir.filePath("short.prt"), data), PrinterFileStatus::ReadError);

    QByteArray header(PrinterFileHeaderSize, '\0');
    qToLittleEndian<qint32>(500, header.data() + 1560);
    writeFile(dir.filePath("trunc.prt"), header + QByteArray(20, 'y'));
    QString error;
    EXPECT_EQ(ReadPrinterSettingsFile(dir.filePath("trunc.prt"), data, &error), PrinterFileStatus::ReadError);
    // The reason reaches the start-up notice: Japanese, like every text there.
    EXPECT_EQ(error, QStringLiteral("ファイルが途中で切れています（プリンタの設定データが足りません）。"));

    qToLittleEndian<qint32>(-4, header.data() + 1560);
    writeFile(dir.filePath("neg.prt"), header);
    EXPECT_EQ(ReadPrinterSettingsFile(dir.filePath("neg.prt"), data), PrinterFileStatus::ReadError);

    EXPECT_FALSE(PrinterSetup::fromBlock(QByteArray(220, '\x5a')).has_value());  // a Windows device mode
    QByteArray block = PrinterSetup().toBlock();
    block.chop(3);
    EXPECT_FALSE(PrinterSetup::fromBlock(block).has_value());
}

TEST(PrinterSettingsFile, BlocksWithValuesThePrinterCannotTakeAreIgnored)
{
    const auto damaged = [](auto change) {
        PrinterSetup s;
        s.pageSizeId = QStringLiteral("A4");
        change(s);
        return PrinterSetup::fromBlock(s.toBlock()).has_value();
    };
    EXPECT_TRUE(damaged([](PrinterSetup &) {}));
    EXPECT_FALSE(damaged([](PrinterSetup &s) { s.marginLeftMm = std::nan(""); }));
    EXPECT_FALSE(damaged([](PrinterSetup &s) { s.marginBottomMm = -1; }));
    EXPECT_FALSE(damaged([](PrinterSetup &s) { s.customPageSizeMm = QSizeF(INFINITY, 10); }));
    EXPECT_FALSE(damaged([](PrinterSetup &s) { s.orientation = 2; }));
    EXPECT_FALSE(damaged([](PrinterSetup &s) { s.resolution = -300; }));
    EXPECT_FALSE(damaged([](PrinterSetup &s) { s.duplex = 4; }));
    EXPECT_FALSE(damaged([](PrinterSetup &s) { s.colorMode = 7; }));
}

} // namespace
