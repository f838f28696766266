#include "support/RenderTestSupport.h"

#include "core/layout/StyleData.h"
#include "core/text/TextFields.h"
#include "core/drawing/DrawFailureText.h"
#include "core/drawing/GdiCanvas.h"
#include "core/drawing/LayoutDrawer.h"

#include <QPainter>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <random>

using namespace rendertest;

namespace {

TEST(DrawErrors, AMalformedNumberStopsThePassAtItsItemAndNamesLineAndField)
{
    struct Case {
        const char *line;
        int field;
    } cases[] = {
        {"0;1;0;0;char;1O;10;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;A;0;0;", 6},   // X with a letter O
        {"0;1;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;12;;x;0;0;A;0;0;", 17},   // text mode
        {"0;1;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;12;;0;1,5;0;A;0;0;", 18}, // pitch with a comma
        {"0;1;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;A;yes;0;", 21},
        {"0;1;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;A;0;3.5;", 22},
        {"0;1;0;0;line;10;10;20;abc;1;実線;0;0;", 9},
        {"0;1;0;0;rrect;10;10;20;20;2.5;2;1;実線;0;塗潰;0;0;", 10},        // corner in whole mm
        {"0;1;0;0;Arc;10;10;20;20;1;1;x;1;1;実線;0;0;0;0;", 12},
        {"0;1;0;0;Ellipse;10;10;20;20;1;実線;0;塗潰;0;-;", 15},
        {"0;1;0;0;fillrect;10;10;20;1e5;0;0;0;0;", 9},
        {"0;1;0;0;image;10;10;20;x;1;0;0;a.png;0;", 9},
        {"0;1;0;0;line;99999999999999;10;20;20;1;実線;0;0;", 6},           // beyond 10^12 mm
        {"0;1;0;0;line;10;10;20;20;99999999999;実線;0;0;", 10},            // beyond int
    };
    const QString after = QStringLiteral("0;9;0;0;rect;1;1;100;100;10;実線;0;0;");
    for (const Case &c : cases) {
        const LayoutImage out = preview({header(), QString::fromUtf8(c.line), after});
        EXPECT_FALSE(out.result.ok) << c.line;
        EXPECT_EQ(out.result.line, 1) << c.line;
        EXPECT_EQ(out.result.field, c.field) << c.line;
        EXPECT_TRUE(out.result.message.contains(QStringLiteral("2行目"))) << out.result.message.toStdString();
        EXPECT_TRUE(DrawFailureInEnglish(out.result).startsWith(QStringLiteral("layout line 2, field %1:").arg(c.field)))
            << DrawFailureInEnglish(out.result).toStdString();
        EXPECT_EQ(inkCount(out.image), 0) << c.line; // neither the item nor the lines after it
    }
}

// Style files of every earlier version leave number fields empty (a Ver1.0
// text item's font size, a pen width); such a field reads as 0 and the layout
// is drawn, the items after it included.
TEST(DrawErrors, AnEmptyNumberFieldReadsAsZero)
{
    const QString frame = QStringLiteral("0;9;0;0;rect;1;1;100;100;10;実線;0;0;");
    StyleData style;
    style.setLines({QStringLiteral("header;Ver1.0;0;0;9;0;401;100;"),
                    QStringLiteral("0;1;0;0;char;10;10;0;0;0;0;ＭＳ 明朝;;;0;0;0;A;0;0;"), frame});
    ASSERT_TRUE(style.ReadStyleHeader());
    EXPECT_EQ(NthField(style.line(1), 15), QString()); // the upgraded item's empty font size
    for (const QStringList &lines :
         {style.lines(), QStringList{header(), QStringLiteral("0;1;0;0;rect;10;10;20;20;;実線;0;0;"), frame},
          QStringList{header(), QStringLiteral("0;1;0;0;line;10;;20;20;1;実線;0;0;"), frame}}) {
        const LayoutImage out = preview(lines);
        EXPECT_TRUE(out.result.ok) << out.result.message.toStdString();
        EXPECT_GT(inkCount(out.image, QRect(0, 0, 10, 300)), 0) << lines.value(1).toStdString(); // the frame
    }
}

TEST(DrawErrors, ItemsBeforeTheFaultyOneStayDrawn)
{
    const QString good = QStringLiteral("0;1;0;0;rect;10;10;20;20;1;実線;0;0;");
    const LayoutImage out = preview({header(), good, QStringLiteral("0;2;0;0;line;x;0;0;0;0;;0;0;")});
    EXPECT_FALSE(out.result.ok);
    EXPECT_EQ(out.result.line, 2);
    EXPECT_GT(inkCount(out.image), 0);
}

TEST(DrawErrors, FieldsWithDefaultsNeverFail)
{
    // Flag, id, colours, rotation, second colour, the picture's integers and
    // preview-only field fall back to defaults.
    const QStringList lines{
        header(),
        QStringLiteral("x;y;0;0;char;10;10;0;0;0;0;r;c;ＭＳ 明朝;12;;0;0;blue;ABC;0;0;"),
        QStringLiteral("0;1;0;0;line;10;30;40;30;1;実線;red;0;"),
        QStringLiteral("0;1;0;0;image;10;10;20;20;s;t;u;none.png;p;"),
        QStringLiteral("0;1;0;0;unknown;;;;"),
        QStringLiteral(";;;;;"),
    };
    const LayoutImage out = preview(lines);
    EXPECT_TRUE(out.result.ok) << out.result.message.toStdString();
    EXPECT_GT(inkCount(out.image), 0);
}

TEST(DrawErrors, AnEmptyLineEndsThePassAndAHeaderOnlyLayoutDrawsNothing)
{
    const QString rect = QStringLiteral("0;1;0;0;rect;10;10;20;20;1;実線;0;0;");
    const LayoutImage stopped = preview({header(), QString(), rect});
    EXPECT_TRUE(stopped.result.ok);
    EXPECT_EQ(inkCount(stopped.image), 0);
    const LayoutImage empty = preview({header()});
    EXPECT_TRUE(empty.result.ok);
    EXPECT_EQ(inkCount(empty.image), 0);
    EXPECT_TRUE(preview({}).result.ok);
}

// Lines of every kind, damaged at random: cut short, fields replaced by junk,
// huge numbers, binary bytes. The pass must come back with a result every time.
TEST(DrawErrors, GeneratedMalformedLinesNeverCrashThePass)
{
    const QStringList templates{
        QStringLiteral("0;1;0;0;char;10;10;0;0;1;1;0;255;ＭＳ 明朝;12;太字;0;0;0;東京都ABC;0;0;"),
        QStringLiteral("0;1;0;0;data;10;10;0;0;0;0;0;255;ＭＳ 明朝;12;;3;-2;0;ABC;0;2;"),
        QStringLiteral("0;1;0;0;char;10;50;0;0;0;0;45;0;ＭＳ 明朝;12;;4;0;0;ABC;0;0;"),
        QStringLiteral("0;1;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;12;;1;0;0;ABC;0;0;"),
        QStringLiteral("0;1;0;0;line;10;10;20;20;1;破線;0;0;"),
        QStringLiteral("0;1;0;0;rect;10;10;20;20;1;実線;0;0;"),
        QStringLiteral("0;1;0;0;rrect;10;10;20;20;2;2;1;実線;0;水平;0;0;"),
        QStringLiteral("0;1;0;0;Arc;10;10;20;20;1;1;5;5;1;実線;0;0;0;0;"),
        QStringLiteral("0;1;0;0;Chord;10;10;20;20;1;1;5;5;1;実線;0;斜十字;0;0;"),
        QStringLiteral("0;1;0;0;Ellipse;10;10;20;20;1;立体線;0;塗潰;0;0;"),
        QStringLiteral("1;1;0;0;fillrect;10;10;20;20;垂直十字;0;0;0;"),
        QStringLiteral("1;1;0;0;image;10;10;20;0;1;0;0;none.png;0;"),
        QStringLiteral("0;0;0;0;header;"),
    };
    const QStringList junk{
        QString(),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("-2147483648"),
        QStringLiteral("2147483647"),
        QStringLiteral("999999999999"),
        QStringLiteral("-999999999999.9999"),
        QStringLiteral("1e308"),
        QStringLiteral("nan"),
        QStringLiteral("\x01\x02\xff"),
        QString(QChar(0xD800)),
        QStringLiteral("0.00001"),
        QStringLiteral("-0"),
        QStringLiteral("１２"),
        QString(5000, u'W'),
    };
    std::mt19937 random(20240611);
    int failures = 0, successes = 0;
    for (int round = 0; round < 600; ++round) {
        QStringList fields = templates[random() % templates.size()].split(u';');
        const int edits = 1 + int(random() % 3);
        for (int e = 0; e < edits && !fields.isEmpty(); ++e) {
            const int action = int(random() % 3);
            const int at = int(random() % fields.size());
            if (action == 0)
                fields[at] = junk[random() % junk.size()];
            else if (action == 1)
                fields = fields.mid(0, at);
            else
                fields[at] = QString::fromLatin1(QByteArray(1 + int(random() % 8), char(random() % 256)));
        }
        const QString line = fields.join(u';');
        const bool onPaper = (round % 2) == 1;
        const LayoutImage out = onPaper ? printer({header(), line}, 300, QSize(400, 400))
                                        : preview({header(), line}, QSize(300, 300));
        if (out.result.ok) {
            ++successes;
        } else {
            ++failures;
            EXPECT_EQ(out.result.line, 1) << line.left(200).toStdString();
            EXPECT_GE(out.result.field, 1);
            EXPECT_FALSE(out.result.message.isEmpty());
        }
    }
    // The damage is varied enough to take both roads.
    EXPECT_GT(failures, 0);
    EXPECT_GT(successes, 0);
}

} // namespace

namespace {

// The window's notice is Japanese and names the style file, the line and the
// field; korvel-print gets the same facts in English, never mixed.
TEST(DrawErrors, TheNoticeNamesTheStyleFileLineAndFieldInJapanese)
{
    app();
    StyleData style;
    style.setLines({header(), QStringLiteral("0;1;0;0;char;1O;10;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;A;0;0;")});
    style.CurrentStyleFile = QStringLiteral("/home/shop/style/zerrat.sle");
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    GdiCanvas canvas(painter, 96, 96, 1.0);
    const DrawResult result = DrawLayout(canvas, style, DrawContext::forPreview(96, 96, 100));
    painter.end();
    ASSERT_FALSE(result.ok);
    // The clerk is told how to get a readable layout back.
    EXPECT_EQ(result.message,
              QStringLiteral("スタイルデータの2行目、6番目の値「1O」が数値ではありません。\n"
                             "スタイルファイル: /home/shop/style/zerrat.sle\n"
                             "「ヘルプ」メニューの「スタイルデータの復旧」で最初のスタイルデータに戻せます"
                             "（印刷位置の調整はやり直しになります）。"));
    EXPECT_EQ(DrawFailureNotice(result, style.CurrentStyleFile), result.message);
    EXPECT_EQ(DrawFailureInEnglish(result), QStringLiteral("layout line 2, field 6: \"1O\" is not a valid number"));

    // Every failure has its words in both languages, and none mixes them.
    using F = DrawResult::Failure;
    static const QRegularExpression kana(QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]"));
    for (F failure : {F::BadNumber, F::PageTooLarge, F::PdfNotWritten, F::PrinterNotStarted, F::PageRefused,
                      F::JobNotFinished}) {
        DrawResult r;
        r.target = QStringLiteral("/tmp/out.pdf");
        SetDrawFailure(r, failure);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.contains(kana)) << r.message.toStdString();
        EXPECT_FALSE(r.message.contains(QRegularExpression(QStringLiteral("\\b(the|is|could|not)\\b"))))
            << r.message.toStdString();
        EXPECT_FALSE(DrawFailureInEnglish(r).isEmpty());
        EXPECT_FALSE(DrawFailureInEnglish(r).contains(kana)) << DrawFailureInEnglish(r).toStdString();
    }
}

} // namespace
