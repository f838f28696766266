#include "core/data/TableInWords.h"

QString TableInWords(const QString &table)
{
    static const struct
    {
        const char *name;
        const char16_t *words;
    } tables[] = {
        {"address", u"お届け先"},      {"company", u"ご依頼主"}, {"sender", u"送付履歴"},
        {"memberitem", u"商品データ"}, {"items", u"定型文"},     {"ordersheet", u"注文票"},
        {"orderitem", u"注文明細"},    {"zipcode", u"郵便番号"},
    };
    for (const auto &t : tables)
        if (table.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(t.words);
    return table;
}
