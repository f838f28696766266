#include "core/import/OrderMailPaste.h"

#include "core/text/TextCodec.h"
#include "core/import/Prefectures.h"
#include "core/import/TelephoneParts.h"
#include "core/import/TrimBlanks.h"

namespace {

const QString kDeliveryMarker = QStringLiteral("[送付先]");
const QString kGoodsMarker = QStringLiteral("[商品]");

// Characters from..to (1-based, inclusive) of text, trimmed; shorter text
// simply gives a shorter or empty piece.
QString cut(const QString &text, int from, int to)
{
    return TrimBlanks(text.mid(from - 1, to - from + 1));
}

OrderMailResult failure(const QString &notice)
{
    OrderMailResult result;
    result.notice = notice;
    return result;
}

} // namespace

QString OrderMailFormatNotice()
{
    return QStringLiteral("楽天の売上メール形式ではありません");
}

OrderMailResult ParseOrderMail(const QString &mailText, const OrderMailOptions &options)
{
    const QStringList lines = SplitLines(mailText);
    int delivery = -1;
    int goods = -1;
    // The last occurrence of each marker wins.
    for (int i = 0; i < lines.size(); ++i) {
        const QString trimmed = TrimBlanks(lines.at(i));
        if (trimmed.contains(kDeliveryMarker))
            delivery = i;
        if (trimmed.contains(kGoodsMarker))
            goods = i;
    }
    if (delivery < 0 || goods < 0)
        return failure(OrderMailFormatNotice());
    // A marker on one of the last lines: the lines it announces are missing, and
    // taking them from nowhere would fill the editor with half a consignee.
    if (delivery + 2 >= lines.size())
        return failure(OrderMailFormatNotice() + QStringLiteral("\r\n")
                           + QStringLiteral("[送付先]の後に住所と電話番号の行が見つかりません。"));
    if (goods + 1 >= lines.size())
        return failure(OrderMailFormatNotice() + QStringLiteral("\r\n")
                           + QStringLiteral("[商品]の後に商品名の行が見つかりません。"));

    const QString nameLine = lines.at(delivery);
    const QString addressLine = lines.at(delivery + 1);
    const QString telLine = lines.at(delivery + 2);

    OrderMailResult result;
    result.ok = true;
    WaybillFields &b = result.boxes;

    b.goods[0] = lines.at(goods + 1);

    // Telephone: cut at the writer's hyphens, so a mobile number keeps its
    // four-digit middle part.
    QString w = telLine;
    w.remove(QStringLiteral("(TEL)"));
    const TelephoneParts tel = SplitTelephone(w);
    b.tel1 = tel.first;
    b.tel2 = tel.middle;
    b.tel3 = tel.last;

    // Name: what stands before the reading in brackets, without the blank
    // that separates the two. A name line without a reading keeps the whole
    // name rather than losing it.
    w = nameLine;
    w.remove(kDeliveryMarker);
    w = TrimBlanks(w);
    const int bracket = int(w.indexOf(u'('));
    b.namae = TrimBlanks(bracket >= 0 ? w.left(bracket) : w);

    // Postal code, only when the address line carries one.
    w = addressLine;
    if (w.contains(u'〒')) {
        w.remove(u'〒');
        w = TrimBlanks(w);
        b.yubin1 = cut(w, 1, 3);
        b.yubin2 = cut(w, 5, 8);
    }
    // The code is taken out of the address; with an empty postal box the
    // pattern would be a bare hyphen and the house number would lose its dashes.
    if (!b.yubin1.isEmpty() && !b.yubin2.isEmpty())
        w.remove(b.yubin1 + u'-' + b.yubin2);
    w = TrimBlanks(w);

    // The option "入れない" takes out the prefecture the address begins with;
    // a prefecture name further on belongs to the address.
    if (!options.keepPrefecture)
        w = SplitLeadingPrefecture(w).rest;
    b.address1 = w;
    return result;
}
