#pragma once
// The sending history as a CSV file for the books: every stored column of the
// rows a view of the history list shows, in its order, or of the rows sent
// between two dates.

#include "core/import/CsvWriter.h"

#include <QDate>
#include <QString>
#include <QStringList>

class Database;

// The header row, one name a stored column of the history.
QStringList HistoryCsvHeader();

struct HistoryExportQuery {
    int editionCode = 40;
    // The list's view: its sort state and search text (see HistoryViewSelectSql).
    int sortState = 1;
    QString searchText;
    // When either is valid, the rows sent from .. to (both included) instead,
    // oldest first; an invalid bound leaves that side open.
    QDate from, to;
};

// Writes the rows to path; nothing is left there when it fails or is cancelled.
CsvExportOutcome ExportHistory(Database &db, const QString &membersDbPath, const HistoryExportQuery &query,
                               const QString &path, CsvOutputEncoding encoding,
                               const CsvExportProgress &progress = {});
