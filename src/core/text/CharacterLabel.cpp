#include "core/text/CharacterLabel.h"

#include <QChar>

namespace {

struct Named {
    char32_t first, last;
    const char *name;
};

// Characters that cannot be told apart by looking: invisible ones, and those
// drawn like a character that code page 932 has under another code point.
constexpr Named Names[] = {
    {0x0080, 0x009F, "制御文字"},
    {0x00A0, 0x00A0, "ノーブレークスペース"},
    {0x00A2, 0x00A2, "セント記号"},
    {0x00A3, 0x00A3, "ポンド記号"},
    {0x00A5, 0x00A5, "円記号"},
    {0x00AC, 0x00AC, "否定記号"},
    {0x00AD, 0x00AD, "ソフトハイフン"},
    {0x2000, 0x200A, "幅のあるスペース"},
    {0x200B, 0x200B, "ゼロ幅スペース"},
    {0x200C, 0x200C, "ゼロ幅非接合子"},
    {0x200D, 0x200D, "ゼロ幅接合子"},
    {0x200E, 0x200F, "書字方向の制御文字"},
    {0x2013, 0x2013, "エンダッシュ"},
    {0x2014, 0x2014, "エムダッシュ"},
    {0x2016, 0x2016, "双柱"},
    {0x2028, 0x2028, "行区切り"},
    {0x2029, 0x2029, "段落区切り"},
    {0x202A, 0x202E, "書字方向の制御文字"},
    {0x202F, 0x202F, "狭いノーブレークスペース"},
    {0x205F, 0x205F, "幅のあるスペース"},
    {0x2060, 0x2060, "ワードジョイナー"},
    {0x2066, 0x2069, "書字方向の制御文字"},
    {0x2212, 0x2212, "マイナス記号"},
    {0x301C, 0x301C, "波ダッシュ"},
    {0xFE00, 0xFE0F, "異体字セレクター"},
    {0xFEFF, 0xFEFF, "ゼロ幅ノーブレークスペース"},
    {0xFFFD, 0xFFFD, "読めなかった文字"},
    {0x1F000, 0x1FAFF, "絵文字"},
    {0xE0100, 0xE01EF, "異体字セレクター"},
};

const char *nameOf(char32_t c)
{
    for (const Named &n : Names)
        if (c >= n.first && c <= n.last)
            return n.name;
    return nullptr;
}

bool visible(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return false;
    default:
        return true;
    }
}

} // namespace

QString CharacterLabel(char32_t codePoint)
{
    const QString code = QStringLiteral("U+") + QString::number(uint(codePoint), 16).toUpper().rightJustified(4, u'0');
    if (const char *name = nameOf(codePoint))
        return code + QStringLiteral("（") + QString::fromUtf8(name) + QStringLiteral("）");
    if (visible(codePoint))
        return code + QStringLiteral("「") + QString::fromUcs4(&codePoint, 1) + QStringLiteral("」");
    return code;
}
