// No line, however malformed, may crash the loader, the header reader or the
// item setters. The lines are generated from a fixed seed so failures repeat.
#include "support/LayoutTestSupport.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace layouttest;

namespace {

// One field of a generated line: plausible values, junk, huge numbers, empties.
QString randomField(std::mt19937 &rng)
{
    static const QStringList pool{QString(),
                                  QStringLiteral("0"),
                                  QStringLiteral("1"),
                                  QStringLiteral("7"),
                                  QStringLiteral("28"),
                                  QStringLiteral("-1"),
                                  QStringLiteral("12.3456"),
                                  QStringLiteral("99999999999999999999999"),
                                  QStringLiteral("-2147483649"),
                                  QStringLiteral("1e308"),
                                  QStringLiteral("char"),
                                  QStringLiteral("data"),
                                  QStringLiteral("header"),
                                  QStringLiteral("Ver1.0"),
                                  QStringLiteral("image"),
                                  QStringLiteral("ＭＳ 明朝"),
                                  QStringLiteral("\xef\xbf\xbd\xef\xbf\xbd"),
                                  QStringLiteral(" "),
                                  QStringLiteral("NaN")};
    std::uniform_int_distribution<int> pick(0, int(pool.size()));
    const int k = pick(rng);
    if (k < pool.size())
        return pool.at(k);
    // Binary junk: any UTF-16 units, including unpaired surrogates and NUL.
    std::uniform_int_distribution<int> len(0, 12), unit(0, 0xFFFF);
    QString junk;
    for (int i = len(rng); i > 0; --i) {
        const ushort u = ushort(unit(rng));
        if (u != ';' && u != '\r' && u != '\n')
            junk.append(QChar(u));
    }
    return junk;
}

// A line of 0 to 40 generated fields, with or without the final ';'.
QString randomLine(std::mt19937 &rng)
{
    std::uniform_int_distribution<int> count(0, 40), coin(0, 1);
    QString line;
    const int n = count(rng);
    for (int i = 0; i < n; ++i) {
        line += randomField(rng);
        if (i + 1 < n || coin(rng))
            line += u';';
    }
    return line;
}

TEST(MalformedLines, NeverCrashTheLayoutOperations)
{
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> id(-2, 200);
    for (int round = 0; round < 300; ++round) {
        StyleData s;
        QStringList lines{round % 3 == 0 ? QStringLiteral("header;Ver1.0;") : randomLine(rng)};
        for (int i = 0; i < 20; ++i)
            lines.append(randomLine(rng));
        s.setLines(lines);
        s.ReadStyleHeader(); // a failure is a value, never a crash
        s.RefreshDateItems();
        for (int k = 0; k < 20; ++k) {
            const int rd = id(rng);
            const int index = s.findItem(rd);
            const bool changed = s.setItemText(rd, randomField(rng) + u';' + randomField(rng));
            EXPECT_EQ(changed, index >= 0);
            if (changed) {
                EXPECT_EQ(separatorCount(s.line(index)), 22) << s.line(index).toStdString();
            }
        }
        PrintRecord record;
        for (int slot = 0; slot < 45; ++slot)
            record.setSlot(slot, randomField(rng));
        TransferRecord(s, record, TransferOptions{10 * (round % 7), round % 2 == 0, QDate(), round % 5 == 0});
        s.WriteStyleHeader();
        EXPECT_EQ(s.lineCount(), 21);
    }
}

TEST(MalformedLines, BinaryFilesLoadWithoutCrashing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(0, 255), len(1, 4000);
    for (int round = 0; round < 50; ++round) {
        QByteArray bytes;
        for (int i = len(rng); i > 0; --i)
            bytes.append(char(byte(rng)));
        if (round % 4 == 0)
            bytes.prepend("\xEF\xBB\xBF");
        if (round % 4 == 1)
            bytes.prepend("\xFF\xFE");
        const QString path = dir.filePath(QStringLiteral("junk%1.sle").arg(round));
        writeBytes(path, bytes);
        StyleData s;
        const LayoutStatus status = s.OpenStyle(path);
        if (status.ok) {
            EXPECT_EQ(s.CurrentStyleFile, path);
            EXPECT_GE(s.lineCount(), 1);
        } else {
            EXPECT_TRUE(s.CurrentStyleFile.isEmpty());
            EXPECT_FALSE(status.message.isEmpty());
        }
        for (const QString &line : s.lines())
            EXPECT_FALSE(line.isEmpty());
    }
}

} // namespace
