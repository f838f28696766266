// korvel-zipdb: builds the shipped postal-code database at build time. It turns
// the packaged postal data into the national postal-code list's CSV layout and
// imports that file with the same import the postal-code guide runs, so both
// tables have their town areas cleaned by the same rule.
//
// usage: korvel-zipdb JSON_FOLDER CSV_OUT DB_OUT

#include "core/text/TextCodec.h"
#include "core/postal/JpostalJson.h"
#include "core/data/Database.h"
#include "core/postal/ZipcodeImport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fputs("usage: korvel-zipdb JSON_FOLDER CSV_OUT DB_OUT\n", stderr);
        return 2;
    }
    const QString jsonFolder = args.at(1), csvPath = args.at(2), dbPath = args.at(3);
    QElapsedTimer timer;
    timer.start();

    QVector<JpostalEntry> entries;
    int skipped = 0;
    QString error;
    if (!ReadJpostalFolder(jsonFolder, &entries, &skipped, &error)) {
        std::fprintf(stderr, "korvel-zipdb: %s\n", error.toUtf8().constData());
        return 1;
    }
    QStringList lines;
    lines.reserve(entries.size());
    for (const JpostalEntry &e : entries)
        lines.append(NationalPostalCsvLine(e.entry, e.areaKana, e.cityKana, e.locationKana));
    if (!WriteTextLinesPreferCp932(csvPath, lines, &error)) {
        std::fprintf(stderr, "korvel-zipdb: cannot write %s: %s\n", csvPath.toUtf8().constData(),
                     error.toUtf8().constData());
        return 1;
    }

    // Built beside the target and moved into place, so an interrupted build
    // never leaves a half-filled database that looks complete.
    const QString tmpPath = dbPath + QStringLiteral(".tmp");
    QFile::remove(tmpPath);
    QFile::remove(tmpPath + QStringLiteral("-journal"));
    ZipImportResult result;
    {
        Database db;
        result = ImportNationalPostalCsv(db, tmpPath, csvPath);
    }
    if (!result.ok() || result.failedCount != 0) {
        std::fprintf(stderr, "korvel-zipdb: import failed (line %d: %s) %s\n", result.badLineNumber,
                     result.badLine.toUtf8().constData(), result.error.message.toUtf8().constData());
        QFile::remove(tmpPath);
        return 1;
    }
    QFile::remove(dbPath);
    if (!QFile::rename(tmpPath, dbPath)) {
        std::fprintf(stderr, "korvel-zipdb: cannot move the database to %s\n", dbPath.toUtf8().constData());
        return 1;
    }
    std::printf("korvel-zipdb: %d postal codes (%d other rows left out) in %lld ms -> %s\n", result.insertedCount,
                skipped, static_cast<long long>(timer.elapsed()), dbPath.toUtf8().constData());
    return 0;
}
