#include "core/history/HistoryEditForm.h"

#include "core/history/HistoryEntry.h"
#include "core/text/TextFields.h"
#include "core/data/SqlLiteral.h"
#include "core/addressbook/EditorText.h"
#include "core/import/TelephoneParts.h"

HistoryEditForm HistoryEditForm::fromEntry(const HistoryEntry &e, int editionCode)
{
    HistoryEditForm f;
    f.userid = e.userid;
    f.number = e.number;
    f.namae = e.namae1;
    f.yubin1 = PostalPart1(e.zipcode);
    f.yubin2 = e.zipcode.mid(3); // a longer stored code is kept whole, not cut at 7
    f.address1 = e.address1;
    f.address2 = e.address2;
    f.address3 = e.address3;
    f.setTelephone(e.tel);
    for (int i = 0; i < 4; ++i)
        f.goods[i] = e.itemname[i];
    f.setDate(e.arrivedate);
    f.timeSelect = e.timeselect;
    f.num = e.num;
    f.kingaku = HistoryAmount(e, editionCode);
    f.kg = e.kg;
    f.value = e.hoken;
    f.snamae = e.snamae1;
    f.syubin1 = PostalPart1(e.szipcode);
    f.syubin2 = e.szipcode.mid(3);
    f.saddress1 = e.saddress1;
    f.saddress2 = e.saddress2;
    const TelephoneParts stel = SplitTelephone(e.stel);
    f.stel1 = stel.first;
    f.stel2 = stel.middle;
    f.stel3 = stel.last;
    for (int i = 0; i < 3; ++i)
        f.tagkey[i] = e.snumber[i];
    return f;
}

QString HistoryEditForm::lengthViolation() const
{
    struct Rule {
        QString text;
        int limit;
        const char *field;
    };
    // The same limits and order as the history writer.
    const Rule rules[] = {
        {namae, 20, "氏名"},
        {postalCode(), 7, "郵便番号"},
        {address1, 80, "住所1"},
        {address2, 80, "住所2"},
        {address3, 80, "住所3"},
        {telephone(), 15, "電話番号"},
        {goods[0], 80, "商品分類1"},
        {goods[1], 80, "商品分類2"},
        {goods[2], 80, "商品分類3"},
        {goods[3], 80, "商品分類4"},
    };
    for (const Rule &rule : rules)
        if (rule.text.size() > rule.limit)
            return QStringLiteral("[保存できませんでした]") + QString::fromUtf8(rule.field)
                   + QStringLiteral("が長すぎます。\r\n") + rule.text;
    return QString();
}

QString HistoryEditForm::updateSql(const QString &id, int editionCode) const
{
    const QList<QPair<const char *, QString>> assignments = {
        {"NUMBER=", number},
        {"namae1=", namae},
        {"zipcode=", postalCode()},
        {"address1=", address1},
        {"address2=", address2},
        {"address3=", address3},
        {"tel=", telephone()},
        {"itemname1=", goods[0]},
        {"itemname2=", goods[1]},
        {"itemname3=", goods[2]},
        {"itemname4=", goods[3]},
        {"arrivedate=", date()},
        {"num=", num},
        {"timeselect=", timeSelect},
        {"uriage=", kingaku},
        {"kg=", kg},
        {"hoken=", value},
        {"snamae1=", snamae},
        {"szipcode=", syubin1 + syubin2},
        {"saddress1=", saddress1},
        {"saddress2=", saddress2},
        {"stel=", JoinTelephone(stel1, stel2, stel3)},
        {"snumber1=", tagkey[0]},
        {"snumber2=", tagkey[1]},
        {"snumber3=", tagkey[2]},
    };
    QStringList parts;
    for (const auto &a : assignments)
        parts << QLatin1String(a.first) + SqlQuote(a.second);
    if (editionCode == 30)
        parts << QStringLiteral("daibiki=") + SqlQuote(kingaku);
    // A pasted line break must not split the statement or reach the history.
    return StripLineBreaks(QStringLiteral("UPDATE sender SET ") + parts.join(u',') + QStringLiteral(" WHERE ID=") + id);
}

QString HistoryDeleteSql(const QString &id)
{
    return QStringLiteral("DELETE FROM sender  WHERE ID=") + id;
}
