#include "core/import/Prefectures.h"

#include "core/import/TrimBlanks.h"

const QStringList &PrefectureNames()
{
    static const QStringList names = {
        QStringLiteral("北海道"), QStringLiteral("青森県"), QStringLiteral("岩手県"),
        QStringLiteral("宮城県"), QStringLiteral("秋田県"), QStringLiteral("山形県"),
        QStringLiteral("福島県"), QStringLiteral("茨城県"), QStringLiteral("栃木県"),
        QStringLiteral("群馬県"), QStringLiteral("埼玉県"), QStringLiteral("千葉県"),
        QStringLiteral("東京都"), QStringLiteral("神奈川県"), QStringLiteral("新潟県"),
        QStringLiteral("富山県"), QStringLiteral("石川県"), QStringLiteral("福井県"),
        QStringLiteral("山梨県"), QStringLiteral("長野県"), QStringLiteral("岐阜県"),
        QStringLiteral("静岡県"), QStringLiteral("愛知県"), QStringLiteral("三重県"),
        QStringLiteral("滋賀県"), QStringLiteral("京都府"), QStringLiteral("大阪府"),
        QStringLiteral("兵庫県"), QStringLiteral("奈良県"), QStringLiteral("和歌山県"),
        QStringLiteral("鳥取県"), QStringLiteral("島根県"), QStringLiteral("岡山県"),
        QStringLiteral("広島県"), QStringLiteral("山口県"), QStringLiteral("徳島県"),
        QStringLiteral("香川県"), QStringLiteral("愛媛県"), QStringLiteral("高知県"),
        QStringLiteral("福岡県"), QStringLiteral("佐賀県"), QStringLiteral("長崎県"),
        QStringLiteral("熊本県"), QStringLiteral("大分県"), QStringLiteral("宮崎県"),
        QStringLiteral("鹿児島県"), QStringLiteral("沖縄県"),
    };
    return names;
}

namespace {

int leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && IsWideBlank(text.at(n)))
        ++n;
    return n;
}

} // namespace

QString LeadingPrefecture(const QString &address)
{
    const QStringView text = QStringView(address).mid(leadingBlanks(address));
    for (const QString &name : PrefectureNames())
        if (text.startsWith(name))
            return name;
    return {};
}

PrefectureSplit SplitLeadingPrefecture(const QString &address)
{
    const QString name = LeadingPrefecture(address);
    if (name.isEmpty())
        return {QString(), address};
    QString rest = address.mid(leadingBlanks(address) + name.size());
    rest.remove(0, leadingBlanks(rest));
    return {name, rest};
}
