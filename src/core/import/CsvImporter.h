#pragma once
// Writes the consignees and item data of the CSV intermediate file into the
// address book: each line adds its consignee unless one with its two name
// lines is there, and writes its item data for the edition onto that
// consignee. A value too long for its column stops the import before any item
// data is written; the consignees of the lines before it stay. The whole
// import runs in one transaction over both database files, so that a large
// file imports quickly and a cancelled import leaves nothing behind.

#include "core/import/CsvEncoding.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

class Database;
struct DatabaseError;

struct CsvImportTarget {
    QString addressDbPath; // "addressXe2.db3": table address
    QString membersDbPath; // "membersXe2.db3": table memberitem
    int editionCode = 0;
    // The sender selected in the main window's sender list, as its decimal
    // identifier; empty when none is selected (stored as an empty companyID).
    QString senderId;
};

struct CsvImportOutcome {
    enum Status {
        EditorMissing, // the CSV editor is not installed beside the program
        NoFile,        // the editor ended without leaving a result: nothing to do
        Imported,      // every line was written
        Aborted,       // a value was too long; notice says which
        Failed,        // a database file could not be opened; notice says why
        Cancelled,     // the user stopped it; nothing of it was kept
    };
    Status status = NoFile;
    QString notice;          // the text to show with the heading "確認"; empty for NoFile
    int consigneesAdded = 0; // rows inserted into address
    int itemRowsWritten = 0; // rows inserted into or updated in memberitem
    CsvEncoding encoding = CsvEncoding::Utf8Bom; // what the intermediate file was read as
};

// Opens the consignee file with the member-item file attached as "members",
// so that one transaction covers both; a missing or damaged file is reported
// as such, never created. CloseAddressBookWithMembers detaches it again.
DatabaseError OpenAddressBookWithMembers(Database &db, const CsvImportTarget &target);
void CloseAddressBookWithMembers(Database &db);

// The closing notice of a completed import.
QString CsvImportedNotice();

// The closing notice of an import the user cancelled.
QString CsvImportCancelledNotice();

// Told how many lines of total are written, now and then and after the last
// one; returns false to cancel the import, which then takes back everything
// it wrote.
using CsvImportProgress = std::function<bool(int done, int total)>;

// The three-line notice shown when the CSV editor is not installed.
QString CsvEditorMissingNotice();

// Imports the lines (14 fields each) of an intermediate file.
CsvImportOutcome ImportCsvLines(Database &db, const QVector<QStringList> &lines, const CsvImportTarget &target,
                                const CsvImportProgress &progress = {});

// Imports the intermediate file at path, read in the encoding given or else
// the one detected; NoFile when it does not exist.
CsvImportOutcome ImportCsvFile(Database &db, const QString &path, const CsvImportTarget &target,
                               const CsvImportProgress &progress = {},
                               std::optional<CsvEncoding> encoding = std::nullopt);

// The whole command: finds the CSV editor in programDir, starts it with the
// work folder's argument and waits for it with the event loop running (running
// is told true before the start and false after the end), then imports what it
// left in WorkDir/conf/csvImport.tmp, telling progress how far it is.
CsvImportOutcome RunCsvEditorImport(Database &db, const QString &programDir, const QString &workDir,
                                    const CsvImportTarget &target,
                                    const std::function<void(bool running)> &running = {},
                                    const CsvImportProgress &progress = {});
