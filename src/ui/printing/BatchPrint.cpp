#include "ui/printing/BatchPrint.h"

#include "core/addressbook/ConsigneeRows.h"
#include "core/data/Database.h"
#include "core/data/DatabaseErrorText.h"
#include "core/layout/StyleData.h"

#include <QPrinter>
#include <QSet>
#include <vector>

namespace {

// Pages whose consignees are read in one go: few statements a run, and a
// memory use that does not grow with the run.
constexpr int PrefetchPages = 256;

} // namespace

BatchPrint::BatchPrint(Database &db, RecordAssembly &assembly, const AssemblySources &sources)
    : m_db(db), m_assembly(assembly), m_sources(sources)
{
}

// The rows of the printed pages go in as one transaction once the job has
// been handed over: a row claims its page reached the printer, which is only
// so when the job ends, and a commit (with its flushes to the disk) per page
// cost more than printing the page on a busy disk.
void BatchPrint::writeHistory(const std::vector<PendingHistoryRow> &rows, int count, const BatchHistory &history,
                              BatchPrintOutcome *outcome)
{
    QVector<HistoryRowToWrite> toWrite;
    for (int page = 0; page < count; ++page) {
        const PendingHistoryRow &row = rows[size_t(page)];
        if (!row.refusal.isEmpty()) {
            if (outcome->historyNotice.isEmpty())
                outcome->historyNotice = row.refusal;
            continue;
        }
        if (row.insertSql.isEmpty())
            continue; // a page without a consignee is not recorded
        toWrite.append(NewHistoryRow(QString::fromUtf8(row.insertSql)));
    }
    const QString &store = m_sources.membersDb;
    DatabaseError error;
    // Rows kept from before go first, and a server that still does not
    // answer need not be asked twice.
    if (history.pending)
        error = history.pending->flush(m_db, store).error;
    if (!IsConnectionFailure(error)) {
        error = m_db.OpenDatabase(store);
        if (!error.isError() && history.pending && m_db.isServer())
            error = WriteHistoryRowsOnce(m_db, toWrite, &outcome->historyWritten);
        else if (!error.isError())
            error = writeEach(toWrite, outcome);
    }
    if (!error.isError())
        return;
    // No row may claim a page: the transaction is gone as a whole.
    outcome->historyWritten = 0;
    if (history.pending && IsConnectionFailure(error) && history.pending->keep(store, toWrite)) {
        outcome->historyKept = int(toWrite.size());
        outcome->historyNotice = HistoryKeptNotice(error, store);
    } else {
        outcome->historyNotice = HistoryWriteFailedNotice(error, store);
    }
}

DatabaseError BatchPrint::writeEach(const QVector<HistoryRowToWrite> &rows, BatchPrintOutcome *outcome)
{
    DatabaseError error;
    if (m_db.BeginTransaction(&error))
        return error;
    int written = 0;
    for (const HistoryRowToWrite &row : rows) {
        if (m_db.ExecSql(row.sql, &error)) {
            // The database dropped the transaction (a full disk, say): the
            // rows before are gone, and the rows after must not slip in one
            // by one outside it.
            if (!m_db.InTransaction())
                return error;
            outcome->historyNotice = HistoryWriteFailedNotice(error, m_sources.membersDb);
            continue;
        }
        ++written;
    }
    if (m_db.Commit(&error)) {
        m_db.Rollback();
        return error;
    }
    outcome->historyWritten = written;
    return {};
}

BatchPrintOutcome BatchPrint::run(QPrinter &printer, const QStringList &ids, const AssemblyOptions &assembly,
                                  StyleData &style, PrintRecord &record, const PrintJob::Options &job,
                                  const BatchHistory &history, const Progress &progress)
{
    BatchPrintOutcome outcome;
    // A consignee deleted after it was ticked keeps its identifier in the
    // checked list; it gets no page rather than an empty waybill.
    const QStringList existing = ExistingConsignees(m_db, m_sources.addressDb, ids, &outcome.readError);
    if (outcome.readError.isError())
        return outcome; // not "none exists": the address book did not answer
    const QSet<QString> present(existing.begin(), existing.end());
    for (const QString &id : ids)
        if (!present.contains(id))
            outcome.skipped << id;
    if (existing.isEmpty())
        return outcome;

    // Only what the history rows need is kept between the page and the end
    // of the job, so that a long run does not hold every page's record.
    std::vector<PendingHistoryRow> rows;
    if (history.write)
        rows.reserve(size_t(existing.size()));
    const QDate sendDate = HistorySendDate(history.date, history.today);
    int drawn = 0;
    PrintJob::Options options = job;
    options.copies = 1;
    options.afterPage = [&](int page) {
        drawn = page + 1;
        if (progress && !progress(drawn, int(existing.size()))) {
            outcome.cancelled = drawn < existing.size();
            return false;
        }
        return true;
    };
    // The rows read ahead must not outlive the run: the window's next record
    // reads the address book as it is then.
    struct DropPrefetch {
        RecordAssembly &assembly;
        ~DropPrefetch() { assembly.dropPrefetch(); }
    } dropPrefetch{m_assembly};
    // A page whose consignee could not be read (the server went away during
    // the run) would go out blank or half filled: the job stops unprinted.
    m_assembly.clearReadError();
    options.pageReady = [&](int) {
        outcome.readError = m_assembly.readError();
        return !outcome.readError.isError();
    };
    outcome.draw = PrintJob::printPages(
        printer, int(existing.size()),
        [&](int page) {
            if (page % PrefetchPages == 0)
                m_assembly.prefetch(existing.mid(page, PrefetchPages));
            m_assembly.currentData(existing.at(page), assembly, record, style);
            if (history.write) {
                const QStringList texts = record.texts();
                PendingHistoryRow row;
                if (WaybillHasConsignee(texts)) {
                    row.refusal = HistoryLengthViolation(texts);
                    if (row.refusal.isEmpty())
                        row.insertSql = HistoryInsertSql(texts, m_sources.editionCode, sendDate).toUtf8();
                }
                rows.push_back(std::move(row));
            }
            return style.lines();
        },
        options);
    if (!outcome.draw.ok)
        return outcome; // the job was aborted: no page reached the paper, no row is written

    for (int page = 0; page < drawn; ++page)
        outcome.printed << existing.at(page);
    if (history.write)
        writeHistory(rows, drawn, history, &outcome);
    return outcome;
}
