#include "core/import/CsvImportPlan.h"

#include "core/import/Prefectures.h"
#include "core/import/TelephoneParts.h"

namespace {

// A value with its column limit and the name the abort notice gives it.
struct LengthCheck {
    const QString *value;
    int limit;
    QString name;
    bool showValue;
    const QString *typed = nullptr; // what the notice shows, when not the value itself
};

QString abortNotice(const LengthCheck &check)
{
    QString text = QStringLiteral("[取込を中止しました]") + check.name + QStringLiteral("が長すぎます。");
    if (check.showValue)
        text += QStringLiteral("\r\n") + (check.typed ? *check.typed : *check.value);
    return text;
}

} // namespace

void SplitCsvAddress(const QString &field4, const QString &field5, QString *area, QString *city)
{
    *area = field4;
    *city = field5;
    if (!field4.isEmpty() && field5.isEmpty()) {
        const PrefectureSplit split = SplitLeadingPrefecture(field4);
        *area = split.prefecture;
        *city = split.rest;
    } else if (field4.isEmpty() && !field5.isEmpty()) {
        const PrefectureSplit split = SplitLeadingPrefecture(field5);
        *area = split.prefecture;
        *city = split.rest;
    }
}

CsvImportPlan PlanCsvImport(const QVector<QStringList> &lines, int editionCode)
{
    CsvImportPlan plan;
    plan.rows.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList &f = lines.at(i);
        CsvImportRow row;
        row.namae1 = f.value(0);
        row.namae2 = f.value(1);
        row.zipcode = QString(f.value(2)).remove(u'-').left(7);
        SplitCsvAddress(f.value(3), f.value(4), &row.area, &row.city);
        row.location = f.value(5);
        row.building = f.value(6);
        // Stored as the editors write a number, whatever separators the shop
        // typed, so it falls into its three boxes wherever it is taken apart.
        const QString typedTel = f.value(7);
        row.tel = StoredTelephone(typedTel);
        row.notes = f.value(8);
        row.uriage = f.value(9);
        row.daibiki = editionCode == 30 ? row.uriage : QString();
        row.hoken = editionCode == 40 ? row.uriage : QString();
        for (int n = 10; n < 14; ++n)
            row.itemNames.append(f.value(n));

        const LengthCheck checks[] = {
            {&row.area, 20, QStringLiteral("都道府県"), true},
            {&row.city, 60, QStringLiteral("市区"), false},
            {&row.namae1, 40, QStringLiteral("名前1"), true},
            {&row.namae2, 40, QStringLiteral("名前2"), true},
            {&row.location, 60, QStringLiteral("番地の文字列"), true},
            {&row.building, 60, QStringLiteral("建物名称"), true},
            {&row.tel, 15, QStringLiteral("電話番号"), true, &typedTel},
            {&row.notes, 200, QStringLiteral("備考"), true},
            {&row.itemNames[0], 80, QStringLiteral("商品名1"), true},
            {&row.itemNames[1], 80, QStringLiteral("商品名2"), true},
            {&row.itemNames[2], 80, QStringLiteral("商品名3"), true},
            {&row.itemNames[3], 80, QStringLiteral("商品名4"), true},
        };
        for (const LengthCheck &check : checks) {
            if (check.value->size() > check.limit) {
                plan.abortNotice = abortNotice(check);
                plan.abortLine = i;
                return plan;
            }
        }
        plan.rows.append(row);
    }
    return plan;
}
