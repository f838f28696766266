#include "core/addressbook/ConsigneeForm.h"

#include "core/addressbook/ConsigneeEditPresentation.h"
#include "core/text/TextFields.h"
#include "core/data/SqlLiteral.h"
#include "core/addressbook/EditorInput.h"
#include "core/addressbook/EditorText.h"

namespace {

// The `memberitem` columns in table order, as select * returns them.
enum ItemColumn {
    ItemUserId, ItemKind, ItemCompanyId, ItemUriage, ItemName1, ItemName2, ItemName3, ItemName4, ItemName5,
    ItemArriveDate, ItemTimeSelect, ItemDaibiki, ItemNum, ItemKg, ItemCharge, ItemHoken, ItemNotes
};

// "NAME='value'," for each pair.
QString assignments(const QStringList &names, const QStringList &values)
{
    QString text;
    for (int i = 0; i < names.size(); ++i)
        text += names.at(i) + QLatin1Char('=') + SqlQuote(values.value(i)) + QLatin1Char(',');
    return text;
}

// "'value'," for each value.
QString literals(const QStringList &values)
{
    QString text;
    for (const QString &v : values)
        text += SqlQuote(v) + QLatin1Char(',');
    return text;
}

} // namespace

void ConsigneeForm::loadAddressRow(const QStringList &row)
{
    namae = row.value(1);
    namae2 = row.value(2);
    const QString code = row.value(3);
    yubin1 = PostalPart1(code);
    yubin2 = PostalPart2(code);
    area = row.value(4);
    address1 = row.value(5);
    address2 = row.value(6);
    address3 = row.value(7);
    setTelephone(row.value(8));
    notes = row.value(9);
}

void ConsigneeForm::loadItemRow(const QStringList &row, int editionCode)
{
    companyId = row.value(ItemCompanyId);
    if (editionCode == 10) {
        kingaku = row.value(ItemUriage);
    } else {
        kingaku = row.value(ItemDaibiki);
        if (kingaku == QLatin1String("0"))
            kingaku.clear();
    }
    for (int i = 0; i < 4; ++i)
        goods[i] = row.value(ItemName1 + i);
    setDate(row.value(ItemArriveDate));
    num = row.value(ItemNum);
    kg = row.value(ItemKg);
    value = row.value(ItemHoken);
    timeSelect = editionCode == 10 ? QString() : row.value(ItemTimeSelect);
}

QString ConsigneeForm::inputViolation(int editionCode)
{
    if (namae.trimmed().isEmpty() && namae2.trimmed().isEmpty())
        return missingNameNotice();
    return numberAndDateViolation(ConsigneeEditPresentation::forEdition(editionCode));
}

QString ConsigneeForm::selectSql(const QString &id)
{
    return QStringLiteral("SELECT ID,NAMAE1 as \"cnt::text\",NAMAE2 as \"cnt::text\",ZIPCODE as \"cnt::text\","
                          "AREA as \"cnt::text\",CITY as \"cnt::text\",LOCATION as \"cnt::text\","
                          "BUILDING as \"cnt::text\",TEL as \"cnt::text\",NOTES as \"cnt::text\" FROM ADDRESS where ID=")
           + id;
}

QString ConsigneeForm::itemSelectSql(const QString &id, int editionCode)
{
    return QStringLiteral("select * FROM memberitem where userID=") + id + QStringLiteral(" and  kind=")
           + QString::number(editionCode);
}

QString ConsigneeForm::itemCountSql(const QString &id, int editionCode)
{
    return QStringLiteral("select count(*) from memberitem WHERE userID=") + id + QStringLiteral(" and kind=")
           + QString::number(editionCode);
}

QString ConsigneeForm::deleteSql(const QString &id)
{
    return QStringLiteral("DELETE FROM address ") + QStringLiteral(" WHERE ID=") + id;
}

QString ConsigneeForm::uriageValue(int editionCode) const
{
    return editionCode == 10 ? kingaku : QString();
}

QString ConsigneeForm::daibikiValue(int editionCode) const
{
    // Edition 60 shows the amount box as well; dropping what was typed there
    // would lose it without a word.
    return editionCode == 30 || editionCode == 60 ? kingaku : QString();
}

QString ConsigneeForm::addressUpdateSql(const QString &id) const
{
    QString sql = QStringLiteral("UPDATE address SET ")
                  + assignments({"NAMAE1", "NAMAE2", "ZIPCODE", "AREA", "CITY", "LOCATION", "BUILDING", "TEL"},
                                {namae, namae2, postalCode(), area, address1, address2, address3, telephone()});
    sql = StripLineBreaks(sql);
    return sql + QStringLiteral("NOTES=") + SqlQuote(notes) + QStringLiteral(" WHERE ID=") + id;
}

QString ConsigneeForm::addressInsertSql() const
{
    QString sql = QStringLiteral("INSERT INTO address(NAMAE1,NAMAE2,ZIPCODE,AREA,CITY,LOCATION,BUILDING,TEL,NOTES)"
                                 " VALUES(")
                  + literals({namae, namae2, postalCode(), area, address1, address2, address3, telephone()});
    sql = StripLineBreaks(sql);
    return sql + SqlQuote(notes) + QLatin1Char(')');
}

QString ConsigneeForm::itemUpdateSql(const QString &id, int editionCode) const
{
    QString sql = QStringLiteral("UPDATE memberitem SET companyID=") + SqlIdLiteral(companyId) + QLatin1Char(',')
                  + assignments({"uriage", "itemname1", "itemname2", "itemname3", "itemname4",
                                 "arrivedate", "timeselect", "daibiki", "num", "kg", "hoken"},
                                {uriageValue(editionCode), goods[0], goods[1], goods[2], goods[3],
                                 date(), timeSelect, daibikiValue(editionCode), num, kg, value});
    sql = StripLineBreaks(sql);
    return sql + QStringLiteral("NOTES=") + SqlQuote(notes) + QStringLiteral(" WHERE userID=") + id
           + QStringLiteral(" and kind=") + QString::number(editionCode);
}

QString ConsigneeForm::itemInsertSql(const QString &id, int editionCode) const
{
    QString sql = QStringLiteral("INSERT INTO memberitem(userid,kind,companyID,uriage,itemname1,itemname2,itemname3,"
                                 "itemname4,itemname5,arrivedate,timeselect,daibiki,num,kg,charge,hoken,NOTES)"
                                 " VALUES(")
                  + literals({id, QString::number(editionCode)}) + SqlIdLiteral(companyId) + QLatin1Char(',')
                  + literals({uriageValue(editionCode), goods[0],
                              goods[1], goods[2], goods[3], QString(), date(), timeSelect,
                              daibikiValue(editionCode), num, kg, QString(), value});
    sql = StripLineBreaks(sql);
    return sql + SqlQuote(notes) + QLatin1Char(')');
}
