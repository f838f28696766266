#include "core/postal/ZipcodeImport.h"

#include "core/text/TextCodec.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/Database.h"
#include "core/postal/TownAreaText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

QString ZipImportResult::insertCountText() const
{
    return QStringLiteral("INSERT数 = %1").arg(lineCount);
}

QString ZipImportResult::insertTimeText() const
{
    return QStringLiteral("総INSERT時間 = %1ms").arg(elapsedMs);
}

namespace {

bool isBlankLine(const QString &line)
{
    for (QChar c : line)
        if (c.unicode() > 0x20)
            return false;
    return true;
}

} // namespace

ZipImportResult ImportNationalPostalLines(Database &db, const QString &zipDbPath, const QStringList &lines,
                                          const ZipImportProgress &progress, const ZipImportCancel &cancel)
{
    ZipImportResult result;
    QElapsedTimer timer;
    timer.start();
    // A new database is built under a temporary name and moved into place only
    // when it is complete: an import cut short (a killed program, a power cut)
    // must not leave a file that counts as present, for the import would never
    // be offered again. An empty file is what such a cut used to leave.
    const QFileInfo target(zipDbPath);
    const bool fresh = !target.exists() || (target.isFile() && target.size() == 0);
    const QString buildPath = fresh ? zipDbPath + QStringLiteral(".part") : zipDbPath;
    auto removeBuildFile = [&] {
        db.CloseDatabase();
        QFile::remove(buildPath);
        QFile::remove(buildPath + QStringLiteral("-journal"));
    };
    if (fresh)
        removeBuildFile(); // what an earlier cut-short import left
    auto failed = [&](ZipImportStatus status) {
        result.status = status;
        result.insertedCount = 0;
        result.elapsedMs = timer.elapsed();
        if (fresh)
            removeBuildFile();
        return result;
    };
    result.error = db.OpenDatabase(buildPath);
    if (result.error.isError())
        return failed(ZipImportStatus::CannotOpenDatabase);
    if (db.BeginTransaction(&result.error))
        return failed(ZipImportStatus::DatabaseFailed);
    CreateZipcodeTable(db);
    // One prepared statement with bound values: about twice as fast as a new
    // SQL text per row, and a quote inside a town name cannot break it.
    StoreStatement insert =
        db.Prepare(QStringLiteral("INSERT INTO zipcode(ZIP_CODE,AREA,CITY,LOCATION) VALUES(?,?,?,?)"), &result.error);
    if (!insert.isValid()) {
        db.Rollback();
        return failed(ZipImportStatus::DatabaseFailed);
    }
    // Town areas go in as an address carries them, with the shipped table's
    // own cleaning, so that a conversion never writes the list's remarks.
    PostalEntryJoiner joiner;
    NationalPostalEntry complete;
    auto insertComplete = [&] {
        insert.bindText(1, complete.code);
        insert.bindText(2, complete.area);
        insert.bindText(3, complete.city);
        insert.bindText(4, complete.location);
        const int rc = insert.step();
        insert.reset();
        if (rc == StoreStatement::Done)
            ++result.insertedCount;
        else
            ++result.failedCount;
    };
    const int total = int(lines.size());
    NationalPostalEntry entry;
    for (int i = 0; i < total; ++i) {
        const QString &line = lines.at(i);
        // A blank line (often the last one) is no entry and no reason to give up.
        if (isBlankLine(line))
            continue;
        if (!ParseNationalPostalLine(line, &entry)) {
            insert.finalize();
            db.Rollback();
            result.badLineNumber = i + 1;
            result.badLine = line;
            return failed(ZipImportStatus::MalformedLine);
        }
        ++result.lineCount;
        if (progress)
            progress(i, total, entry);
        if (joiner.add(entry, &complete))
            insertComplete();
        if (cancel && cancel()) {
            insert.finalize();
            db.Rollback();
            return failed(ZipImportStatus::Cancelled);
        }
    }
    if (joiner.finish(&complete))
        insertComplete();
    insert.finalize();
    if (db.Commit(&result.error)) {
        db.Rollback();
        return failed(ZipImportStatus::DatabaseFailed);
    }
    if (fresh) {
        db.CloseDatabase();
        // rename() replaces the empty file, if any, in one step.
        if (std::rename(QFile::encodeName(buildPath).constData(), QFile::encodeName(zipDbPath).constData()) != 0) {
            result.error.code = SQLITE_CANTOPEN;
            result.error.message = QStringLiteral("cannot move %1 to %2").arg(buildPath, zipDbPath);
            return failed(ZipImportStatus::DatabaseFailed);
        }
        result.error = db.OpenDatabase(zipDbPath);
    }
    result.elapsedMs = timer.elapsed();
    return result;
}

ZipImportResult ImportNationalPostalCsv(Database &db, const QString &zipDbPath, const QString &csvPath,
                                        const ZipImportProgress &progress, const ZipImportCancel &cancel)
{
    const std::optional<QStringList> lines = ReadTextLines(csvPath);
    if (!lines) {
        ZipImportResult result;
        result.status = ZipImportStatus::CannotReadFile;
        result.error.message = QStringLiteral("cannot read %1").arg(QFileInfo(csvPath).absoluteFilePath());
        return result;
    }
    return ImportNationalPostalLines(db, zipDbPath, *lines, progress, cancel);
}
