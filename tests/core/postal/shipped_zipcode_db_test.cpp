// The program folder's zipcode.db3, built from the packaged national list.
// Skipped when the build had no access to the package.

#include "support/QtPrinters.h"
#include "core/postal/PostalCodeLookup.h"
#include "core/postal/TownAreaText.h"
#include "core/data/Database.h"
#include "core/postal/ZipGuideBuffer.h"
#include "core/postal/ZipGuideSearch.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString shippedDb()
{
    return qEnvironmentVariable("KORVEL_TEST_PROGRAM_DIR") + "/databaseXe2/zipcode.db3";
}

TEST(ShippedZipcodeDb, HoldsTheWholeNationalList)
{
    if (!QFileInfo(shippedDb()).isFile())
        GTEST_SKIP() << "no zipcode.db3 in the program folder (postal package not fetched)";
    Database db;
    ASSERT_FALSE(db.OpenDatabase(shippedDb(), Database::OpenMode::ExistingOnly).isError());
    const QueryResult count = db.QueryRows("SELECT count(*), count(DISTINCT ZIP_CODE) FROM zipcode");
    ASSERT_TRUE(count.ok());
    EXPECT_GT(count.rows.value(0, 0).toInt(), 140000);
    EXPECT_GT(count.rows.value(0, 1).toInt(), 110000);
    // Only seven-digit codes; the package's version and prefix rows are left out.
    EXPECT_EQ(db.QueryRows("SELECT count(*) FROM zipcode WHERE length(ZIP_CODE)<>7 OR ZIP_CODE GLOB '*[^0-9]*'")
                  .rows.value(0, 0),
              "0");

    const struct {
        QString code, line;
    } cases[] = {{"1000001", "東京都;千代田区;千代田;;"},
                 {"0600000", "北海道;札幌市中央区;;;"},
                 {"9071801", "沖縄県;八重山郡与那国町;与那国;;"},
                 {"0000000", ";;;;"}};
    for (const auto &c : cases)
        EXPECT_EQ(LookupPostalCode(db, shippedDb(), c.code).rowListLine(), c.line) << c.code.toStdString();

    // The build cleans the town areas with the import's own rule: every one
    // is already clean, and none is a remark of the list.
    int unclean = 0;
    QStringList examples;
    db.ForEachRow("SELECT ZIP_CODE, LOCATION FROM zipcode", [&](const StoreRow &row) {
        const QString town = row.columnText(1).toString();
        if (CleanTownArea(town) != town) {
            ++unclean;
            if (examples.size() < 5)
                examples << row.columnText(0).toString() + ":" + town;
        }
    });
    EXPECT_EQ(unclean, 0) << examples.join(' ').toStdString();

    ZipGuideBuffer buffer;
    const ZipGuideSearchResult r = ZipGuideSearch(db, shippedDb(), "千代田", buffer);
    ASSERT_TRUE(r.ok());
    EXPECT_GT(buffer.size(), 100);
    for (int i = 0; i < buffer.size(); ++i)
        ASSERT_TRUE(buffer.rowTexts(i).join("").contains("千代田")) << i;
}

} // namespace
