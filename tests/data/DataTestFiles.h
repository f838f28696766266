#pragma once
// Small helpers for the data store tests: a scratch folder per test and a
// postal-code database made from a few lines of the national list's layout.

#include "data/NationalPostalCsv.h"
#include "data/TDataModule1.h"
#include "data/ZipcodeImport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A line of the national list for one entry.
inline QString PostalLine(const QString &code, const QString &area, const QString &city, const QString &location)
{
    return NationalPostalCsvLine({code, area, city, location});
}

// A postal-code database at path holding the given entries in order.
inline void MakeZipDb(const QString &path, const QVector<NationalPostalEntry> &entries)
{
    QStringList lines;
    for (const NationalPostalEntry &e : entries)
        lines << NationalPostalCsvLine(e);
    TDataModule1 db;
    const ZipImportResult r = ImportNationalPostalLines(db, path, lines);
    ASSERT_TRUE(r.ok()) << r.error.message.toStdString();
    ASSERT_EQ(r.insertedCount, entries.size());
}
