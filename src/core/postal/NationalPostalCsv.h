#pragma once
// One line of the national postal-code list: comma-separated fields, text
// fields in double quotes. Field 3 is the seven-digit postal code, fields 7, 8
// and 9 the prefecture, city and town area.

#include <QString>
#include <QStringList>
#include <QStringView>

struct NationalPostalEntry {
    QString code;     // seven digits, no hyphen
    QString area;     // prefecture (都道府県)
    QString city;     // city, ward, town or village (市区町村)
    QString location; // town area (町域)
};

// Splits a line the way the list has always been read: commas separate fields,
// double quotes enclose a field (a doubled quote inside stands for one) and are
// removed, and outside quotes a blank or control character separates fields as
// well. A comma at the very end adds one empty field.
QStringList SplitCommaText(QStringView line);

// Takes fields 3, 7, 8 and 9 of a line. False when the line has fewer than 9 fields.
bool ParseNationalPostalLine(QStringView line, NationalPostalEntry *entry);

// Writes one entry in the list's layout (15 fields, texts quoted): the form the
// build produces from the packaged postal data. Kana readings may be empty.
QString NationalPostalCsvLine(const NationalPostalEntry &entry, const QString &areaKana = {},
                              const QString &cityKana = {}, const QString &locationKana = {});
