#pragma once
// The packaged postal data (json/NNN.json of the jquery-jpostal-ja package):
// each file is a JSONP call whose argument is an array of rows
// ["_CODE", prefecture, city, town area, street, company, kana readings x3].
// Only rows whose code is exactly seven digits are postal codes; the package's
// version and prefix rows are left out.

#include "core/postal/NationalPostalCsv.h"

#include <QByteArray>
#include <QString>
#include <QVector>

struct JpostalEntry {
    NationalPostalEntry entry;
    QString areaKana;
    QString cityKana;
    QString locationKana;
};

// Reads one file's text. Returns false (with *error) when it is not a JSONP
// call with an array of rows; rows that are no postal code are skipped and
// counted in *skipped.
bool ParseJpostalJson(const QByteArray &text, QVector<JpostalEntry> *entries, int *skipped, QString *error);

// Reads every json/*.json of folder in name order (the package's order, which
// is also the order in which several town areas of one code are kept).
bool ReadJpostalFolder(const QString &folder, QVector<JpostalEntry> *entries, int *skipped, QString *error);
