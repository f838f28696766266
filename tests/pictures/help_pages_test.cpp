// The offline help page of each edition: readable UTF-8, self-contained, in the
// edition's own words, naming the window's captions as the program shows them
// and the Linux folders where the data lives.

#include "PicturesTestSupport.h"
#include "core/settings/EditionProfile.h"
#include "core/settings/Editions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct EditionWords {
    int code;
    QStringList required;  // the edition's words for its parties and items
    QStringList forbidden; // other editions' words that must not leak in
};

const EditionWords kWords[] = {
    {10, {"ご依頼人", "加入者名", "通信欄", "払込取扱票", "口座番号"}, {"お届け先", "ご依頼主", "荷送人", "品名"}},
    {20, {"お届け先", "ご依頼主", "品名", "配達希望日", "希望時間帯"}, {"ご依頼人", "加入者名", "荷送人", "通信欄"}},
    {30, {"お届け先", "ご依頼主", "品名", "代金引換額", "希望お届け日"}, {"ご依頼人", "加入者名", "荷送人", "通信欄"}},
    {40, {"お届け先", "ご依頼主", "品名", "お届け予定日", "保険金額"}, {"ご依頼人", "加入者名", "荷送人", "通信欄"}},
    {50, {"お届け先", "荷送人", "品名", "ご希望お届け日", "指定した日付で印刷する"}, {"ご依頼人", "加入者名", "ご依頼主", "通信欄"}},
};

// Names the case by its edition code in test output.
void PrintTo(const EditionWords &words, std::ostream *os)
{
    *os << "edition " << words.code;
}

class HelpPageTest : public ::testing::TestWithParam<EditionWords> {
protected:
    // Reads the page named by the edition table and decodes it strictly as UTF-8.
    void SetUp() override
    {
        const Edition &edition = EditionFor(GetParam().code);
        path = ResourcesDir() + "/" + edition.helpPage;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        page = utf8.decode(file.readAll());
        ASSERT_FALSE(utf8.hasError()) << path.toStdString() << " is not valid UTF-8";
    }

    // Every value of one attribute (src, href, id) in the page.
    QStringList attributeValues(const QString &name) const
    {
        QStringList values;
        const QRegularExpression re("\\b" + name + "=\"([^\"]*)\"");
        for (auto it = re.globalMatch(page); it.hasNext();)
            values << it.next().captured(1);
        return values;
    }

    QString path;
    QString page;
};

INSTANTIATE_TEST_SUITE_P(Editions, HelpPageTest, ::testing::ValuesIn(kWords));

TEST_P(HelpPageTest, DeclaresUtf8AndCarriesTheEditionsTitle)
{
    EXPECT_TRUE(page.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(page.contains("<html lang=\"ja\">"));
    EXPECT_TRUE(page.contains("<title>" + EditionFor(GetParam().code).title));
}

TEST_P(HelpPageTest, SpeaksInTheEditionsOwnWords)
{
    for (const QString &word : GetParam().required)
        EXPECT_TRUE(page.contains(word)) << "missing " << word.toStdString();
    for (const QString &word : GetParam().forbidden)
        EXPECT_FALSE(page.contains(word)) << "another edition's word " << word.toStdString();
}

// Pictures are embedded; the only file beside the page is the shared style
// sheet; links go to sections of the page or to the maker's site.
TEST_P(HelpPageTest, LoadsNothingFromOutside)
{
    for (const QString &src : attributeValues("src"))
        EXPECT_TRUE(src.startsWith("data:image/png;base64,")) << src.left(60).toStdString();

    const QStringList ids = attributeValues("id");
    for (const QString &href : attributeValues("href")) {
        if (href.startsWith('#'))
            EXPECT_TRUE(ids.contains(href.mid(1))) << "no section " << href.toStdString();
        else if (href == "../help.css")
            EXPECT_TRUE(QFileInfo(QFileInfo(path).dir(), href).isFile());
        else
            EXPECT_TRUE(href.startsWith("https://www.korvel-soft.example/")) << href.toStdString();
    }
    EXPECT_TRUE(page.contains("https://www.korvel-soft.example/help/" + EditionFor(GetParam().code).identifier + "/"));
}

// The captions the help tells the user to look for are the ones the window shows.
TEST_P(HelpPageTest, NamesTheWindowsCaptions)
{
    const EditionProfile p = ProfileFor(GetParam().code);
    const QStringList captions{
        // top bar and pages
        "単票印刷", "連票印刷", "送付履歴", "全体位置調整", "枚数(単票時)", "印刷設定", "印刷位置調整",
        "全体位置も反映させる", "送付履歴に記録しない", "用紙設定",
        // the help menu
        "ヘルプ(オンライン)", "ヘルプ(オフライン)", "データのバックアップ", "データのリストア",
        "インストールフォルダーの確認", "作業フォルダーを開く", "スタイルデータの復旧",
        "バージョン情報", "ホームページへアクセス",
        // the edition's profile
        p.editCaption, p.senderFrameCaption, p.senderSearchCaption, p.listPageCaption,
        p.editConsigneeCaption, p.newConsigneeCaption, p.deleteCheckedCaption,
        p.group1Caption, p.group2Caption, p.group3Caption, p.itemExchangeCaption,
        p.fixedItemsOptionCaption, p.itemListCaption, p.registerConsigneeCaption,
    };
    for (const QString &caption : captions) {
        ASSERT_FALSE(caption.isEmpty());
        EXPECT_TRUE(page.contains(caption.toHtmlEscaped())) << "missing caption " << caption.toStdString();
    }
}

// Where the data lives on Linux, and how to print without a printer.
TEST_P(HelpPageTest, ExplainsTheLinuxFoldersAndPdfPrinting)
{
    const Edition &edition = EditionFor(GetParam().code);
    for (const QString &text : {QString("KORVEL_APPDATA_ROOT"), QString("/var/lib/korvel"),
                                QString("~/.local/share"), "korvel/" + edition.workFolderName,
                                QString("korvel/database"), QString("addressXe2.db3"),
                                QString("membersXe2.db3"), QString("PDF"), QString("korvel-print"),
                                "--edition " + QString::number(edition.code)})
        EXPECT_TRUE(page.contains(text)) << "missing " << text.toStdString();
}

} // namespace
