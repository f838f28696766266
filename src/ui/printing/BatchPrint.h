#pragma once
// Continuous print: one page per ticked consignee in one print job, in tick
// order, each page filled by the record assembly, and one history row per
// printed page, all written in one transaction after the job. Used by the main
// window and by korvel-print.

#include "core/addressbook/RecordAssembly.h"
#include "core/history/HistoryWriter.h"
#include "core/history/PendingHistory.h"
#include "core/drawing/DrawResult.h"
#include "ui/printing/PrintJob.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <vector>

class QPrinter;
class StyleData;
class Database;
class PendingHistory;

struct BatchHistory {
    bool write = true;            // false: "送付履歴に記録しない"
    HistoryDateOptions date;
    QDate today = QDate::currentDate();
    // Where rows wait that a server could not take; null: such rows are lost.
    PendingHistory *pending = nullptr;
};

struct BatchPrintOutcome {
    DrawResult draw;          // the job's result; a failed page leaves no job behind
    QStringList printed;      // identifiers whose page is in the finished job, in order
    QStringList skipped;      // identifiers of consignees that no longer exist
    bool cancelled = false;   // the progress callback stopped the run
    int historyWritten = 0;
    int historyKept = 0;      // rows kept on the station until the server answers
    QString historyNotice;    // the first history row that could not be written
    DatabaseError readError;  // the address book could not be read: nothing was printed

    bool ok() const { return draw.ok; }
};

class BatchPrint
{
public:
    // progress(done, total) is told after each page; returning false cancels
    // the run, which ends the job with the pages already drawn.
    using Progress = std::function<bool(int done, int total)>;

    BatchPrint(Database &db, RecordAssembly &assembly, const AssemblySources &sources);

    // Prints ids (consignee identifiers in tick order) on printer. The layout
    // and the record are left with the last printed consignee's data.
    BatchPrintOutcome run(QPrinter &printer, const QStringList &ids, const AssemblyOptions &assembly,
                          StyleData &style, PrintRecord &record, const PrintJob::Options &job,
                          const BatchHistory &history, const Progress &progress = Progress());

private:
    // A printed page's history row, made while the page is drawn.
    struct PendingHistoryRow {
        QByteArray insertSql; // UTF-8; empty for a page without a consignee, which gets no row
        QString refusal;      // why the row is not written (a text too long); empty: it is
    };
    // Writes the rows of the first count pages in one transaction.
    void writeHistory(const std::vector<PendingHistoryRow> &rows, int count, const BatchHistory &history,
                      BatchPrintOutcome *outcome);
    // The rows one by one in one transaction on the files; a row that fails
    // is left out. The error when nothing could be kept.
    DatabaseError writeEach(const QVector<HistoryRowToWrite> &rows, BatchPrintOutcome *outcome);

    Database &m_db;
    RecordAssembly &m_assembly;
    AssemblySources m_sources;
};
