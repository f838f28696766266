#include "core/addressbook/SenderForm.h"

#include "core/text/TextFields.h"
#include "core/data/SqlLiteral.h"
#include "core/addressbook/EditorText.h"
#include "core/import/TelephoneParts.h"
#include "core/layout/PrintRecord.h"

SenderForm SenderForm::fromRow(const QStringList &row)
{
    SenderForm f;
    f.namae = row.value(1);
    const QString zip = row.value(2);
    f.yubin1 = PostalPart1(zip);
    f.yubin2 = PostalPart2(zip);
    f.area = row.value(3);
    f.city = row.value(4);
    f.location = row.value(5);
    f.building = row.value(6);
    const TelephoneParts tel = SplitTelephone(row.value(7));
    f.tel1 = tel.first;
    f.tel2 = tel.middle;
    f.tel3 = tel.last;
    for (int i = 0; i < 3; ++i)
        f.tag[i] = row.value(8 + i);
    return f;
}

QString SenderForm::lengthError() const
{
    const struct {
        const QString *value;
        const char *text;
    } checks[] = {
        {&namae, "[保存できませんでした]名前が長すぎます。"},
        {&city, "[保存できませんでした]市区が長すぎます。"},
        {&location, "[保存できませんでした]番地が長すぎます。"},
        {&building, "[保存できませんでした]建物が長すぎます。"},
    };
    for (const auto &check : checks)
        if (CharacterCount(*check.value) > TextLimit)
            return QString::fromUtf8(check.text) + QStringLiteral("\r\n") + *check.value;
    return QString();
}

QString SenderForm::selectSql(const QString &id)
{
    return QStringLiteral("SELECT ID,NAMAE1 as \"cnt::text\",ZIPCODE as \"cnt::text\",AREA as \"cnt::text\","
                          "CITY as \"cnt::text\",LOCATION as \"cnt::text\",BUILDING as \"cnt::text\","
                          "TEL as \"cnt::text\",tagchr1 as \"cnt::text\",tagchr2 as \"cnt::text\","
                          "tagchr3 as \"cnt::text\" FROM company where ID=")
           + id;
}

QString SenderForm::deleteSql(const QString &id)
{
    return QStringLiteral("DELETE FROM company ") + QStringLiteral(" WHERE ID=") + id;
}

QString SenderForm::telephone() const
{
    return JoinTelephone(tel1, tel2, tel3);
}

QString SenderForm::updateSql(const QString &id) const
{
    // Sender boxes are single lines; a pasted line break would otherwise end
    // up in the list and in the print record's one-line slots.
    const auto v = [](const QString &s) { return SqlQuote(StripLineBreaks(s)); };
    return QStringLiteral("UPDATE company SET NAMAE1=") + v(namae) + QStringLiteral(",ZIPCODE=") + v(zipcode())
           + QStringLiteral(",AREA=") + v(area) + QStringLiteral(",CITY=") + v(city) + QStringLiteral(",LOCATION=")
           + v(location) + QStringLiteral(",BUILDING=") + v(building) + QStringLiteral(",TEL=") + v(telephone())
           + QStringLiteral(",tagchr1=") + v(tag[0]) + QStringLiteral(",tagchr2=") + v(tag[1])
           + QStringLiteral(",tagchr3=") + v(tag[2]) + QStringLiteral(" WHERE ID=") + id;
}

QString SenderForm::insertSql() const
{
    const QStringList values = {namae, zipcode(), area, city, location, building, telephone(), tag[0], tag[1], tag[2]};
    QStringList literals;
    for (const QString &value : values)
        literals << SqlQuote(StripLineBreaks(value));
    return QStringLiteral("INSERT INTO company(NAMAE1,ZIPCODE,AREA,CITY,LOCATION,BUILDING,TEL,tagchr1,tagchr2,tagchr3)"
                          " VALUES(")
           + literals.join(QLatin1Char(',')) + QLatin1Char(')');
}

void CopySenderToRecord(const QStringList &row, PrintRecord &record)
{
    record.setSlot(32, row.value(1));
    record.setSlot(33, row.value(2));
    record.setSlot(34, row.value(3) + row.value(4) + row.value(5));
    record.setSlot(35, row.value(6));
    record.setSlot(36, row.value(7));
    for (int i = 0; i < 3; ++i)
        record.setSlot(38 + i, row.value(8 + i));
}
