#pragma once
// Builds the postal-code table from the national postal-code list: every line
// becomes one row, all in one transaction, and a line that cannot be read
// undoes the whole import.

#include "core/data/DatabaseError.h"
#include "core/postal/NationalPostalCsv.h"

#include <QString>
#include <QStringList>
#include <functional>

class Database;

enum class ZipImportStatus {
    Ok,
    CannotOpenDatabase, // the database file could not be opened or created
    CannotReadFile,     // the list could not be read
    MalformedLine,      // a line has fewer than 9 fields; nothing was kept
    DatabaseFailed,     // the transaction could not be started or committed; nothing was kept
    Cancelled           // the user stopped it; nothing was kept
};

struct ZipImportResult {
    ZipImportStatus status = ZipImportStatus::Ok;
    int lineCount = 0;     // entry lines read (blank lines are not entries)
    int insertedCount = 0; // rows added: fewer than lines where a note runs on over several
    int failedCount = 0;   // entries whose insert failed and were skipped
    int badLineNumber = 0; // 1-based number of the malformed line
    QString badLine;       // its text
    DatabaseError error;
    qint64 elapsedMs = 0;  // from the list in memory to the commit

    bool ok() const { return status == ZipImportStatus::Ok; }
    // The status bar texts: "INSERT数 = 146923" and "総INSERT時間 = 812ms".
    QString insertCountText() const;
    QString insertTimeText() const;
};

// Called for each entry before it is inserted: done entries so far (0-based),
// the number of lines, and the entry (its prefecture + city + town area is the
// guide's progress caption).
using ZipImportProgress = std::function<void(int done, int total, const NationalPostalEntry &entry)>;
// Asked after each entry; true stops the import and undoes it.
using ZipImportCancel = std::function<bool()>;

// Opens (creating when missing) the postal-code database zipDbPath, creates its
// table unless it exists, and adds one row per entry of lines in one
// transaction: the lines of a note that runs on are one entry, and every town
// area is cleaned (TownAreaText.h).
ZipImportResult ImportNationalPostalLines(Database &db, const QString &zipDbPath, const QStringList &lines,
                                          const ZipImportProgress &progress = {}, const ZipImportCancel &cancel = {});

// Reads csvPath (byte-order-mark detection, otherwise code page 932) and imports it as above.
ZipImportResult ImportNationalPostalCsv(Database &db, const QString &zipDbPath, const QString &csvPath,
                                        const ZipImportProgress &progress = {}, const ZipImportCancel &cancel = {});
