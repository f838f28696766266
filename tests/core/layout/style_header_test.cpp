// Reading and writing the header line, with the upgrade of Ver1.0 layouts.
#include "support/LayoutTestSupport.h"
#include "core/layout/StyleData.h"

#include <gtest/gtest.h>

using namespace layouttest;

namespace {

StyleData layoutOf(const QStringList &lines)
{
    StyleData s;
    s.setLines(lines);
    return s;
}

TEST(StyleHeader, UpgradesVer10TextItemsInMemory)
{
    StyleData s = layoutOf({QStringLiteral("header;Ver1.0;0;0;9;1;401;100;"),
                            QStringLiteral("0;5;0;0;char;30;40;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;x;0;0;"),
                            QStringLiteral("0;6;0;0;data;1.5;2.25;0;0;"),
                            QStringLiteral("0;0;0;0;line;10;10;50;10;1;実線;0;1;"),
                            QStringLiteral("0;7;0;0;char;3")});
    ASSERT_TRUE(s.ReadStyleHeader());
    EXPECT_EQ(s.line(0), QStringLiteral("header;Ver1.1;0;0;9;1;401;100;"));
    EXPECT_EQ(s.line(1), QStringLiteral("0;5;0;0;char;30;40;30;40;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;x;0;0;"));
    EXPECT_EQ(s.line(2), QStringLiteral("0;6;0;0;data;1.5;2.25;1.5;2.25;0;0;"));
    EXPECT_EQ(s.line(3), QStringLiteral("0;0;0;0;line;10;10;50;10;1;実線;0;1;"));
    // A cut-off Ver1.0 item gains its copies too and cannot break anything.
    EXPECT_EQ(s.line(4), QStringLiteral("0;7;0;0;char;3;3;3;3;"));
    EXPECT_EQ(s.HeaderPaperSize, 9);
    EXPECT_EQ(s.HeaderOrientation, 1);
}

TEST(StyleHeader, LeavesLaterVersionsAlone)
{
    const QString item = QStringLiteral("0;5;0;0;char;30;40;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;x;0;0;");
    for (const char *version : {"Ver1.1", "Ver1.2", "Ver9"}) {
        const QString header = QStringLiteral("header;%1;0;0;0;0;401;100;").arg(QLatin1String(version));
        StyleData s = layoutOf({header, item});
        ASSERT_TRUE(s.ReadStyleHeader());
        EXPECT_EQ(s.line(0), header);
        EXPECT_EQ(s.line(1), item);
    }
}

TEST(StyleHeader, ChangedOffsetsRewriteTheHeaderAsVer12)
{
    StyleData s = layoutOf({QStringLiteral("header;Ver1.0;3;-4;9;1;401;100;"), charItem(1)});
    s.window.splitterPosition = 420;
    s.window.zoomPercent = 150;
    ASSERT_TRUE(s.ReadStyleHeader());
    EXPECT_EQ(s.window.ofxbox, 3);
    EXPECT_EQ(s.window.ofybox, -4);
    EXPECT_EQ(s.line(0), QStringLiteral("header;Ver1.2;3;-4;9;1;420;150;0;0;;"));
}

struct HeaderCase {
    const char *header;
    int ofx, ofy, paperSize, orientation, source;
    bool ok;
};

class HeaderFields : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderFields, ReadsEachFieldByItsRule)
{
    const HeaderCase &c = GetParam();
    StyleData s = layoutOf({QString::fromUtf8(c.header)});
    s.HeaderPaperSize = -1;
    const LayoutStatus status = s.ReadStyleHeader();
    EXPECT_EQ(status.ok, c.ok) << c.header;
    EXPECT_EQ(status.message.isEmpty(), c.ok);
    EXPECT_EQ(s.window.ofxbox, c.ofx) << c.header;
    EXPECT_EQ(s.window.ofybox, c.ofy) << c.header;
    EXPECT_EQ(s.HeaderPaperSize, c.paperSize) << c.header;
    EXPECT_EQ(s.HeaderOrientation, c.orientation) << c.header;
    EXPECT_EQ(s.HeaderPaperSource, c.source) << c.header;
}

INSTANTIATE_TEST_SUITE_P(
    Values, HeaderFields,
    ::testing::Values(HeaderCase{"header;Ver1.2;1;2;9;1;401;100;4;0;;", 1, 2, 9, 1, 4, true},
                      HeaderCase{"header;Ver1.1;0;0;0;0;401;100;", 0, 0, 0, 0, 0, true},
                      // Not integers: offsets, orientation and source fall back to 0.
                      HeaderCase{"header;Ver1.2;x;1.5;9;land;401;100;tray;0;;", 0, 0, 9, 0, 0, true},
                      // A field not followed by ';' counts as empty.
                      HeaderCase{"header;Ver1.2;7;8;9;1;401;100;4", 7, 8, 9, 1, 0, true},
                      // The paper size must be an integer: failure, after the offsets are set.
                      HeaderCase{"header;Ver1.2;5;6;A4;1;401;100;2;0;;", 5, 6, -1, 1, 2, false},
                      HeaderCase{"header;Ver1.2;5;6", 5, 0, -1, 0, 0, false},
                      HeaderCase{"header;Ver1.2;99999999999;0;0;0;", 0, 0, 0, 0, 0, true}));

TEST(StyleHeader, WritesVer12FromTheWindowState)
{
    StyleData s;
    s.window.ofxbox = -2;
    s.window.ofybox = 7;
    s.window.splitterPosition = 512;
    s.window.zoomPercent = 50;
    s.HeaderPaperSize = 9;
    s.HeaderOrientation = 1;
    s.HeaderPaperSource = 260;
    s.WriteStyleHeader();
    EXPECT_EQ(s.line(0), QStringLiteral("header;Ver1.2;-2;7;9;1;512;50;260;0;;"));
    EXPECT_EQ(s.lineCount(), 1);
}

} // namespace
