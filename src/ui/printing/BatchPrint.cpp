#include "ui/printing/BatchPrint.h"

#include "core/addressbook/ConsigneeRows.h"
#include "core/data/Database.h"
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
void BatchPrint::writeHistory(const std::vector<PendingHistoryRow> &rows, int count, BatchPrintOutcome *outcome)
{
    const QString failure = HistoryWriteFailedNotice();
    int written = 0;
    if (m_db.OpenDatabase(m_sources.membersDb).isError() || m_db.BeginTransaction()) {
        outcome->historyNotice = failure;
        outcome->historyWritten = 0;
        return;
    }
    for (int page = 0; page < count; ++page) {
        const PendingHistoryRow &row = rows[size_t(page)];
        if (!row.refusal.isEmpty()) {
            if (outcome->historyNotice.isEmpty())
                outcome->historyNotice = row.refusal;
            continue;
        }
        if (row.insertSql.isEmpty())
            continue; // a page without a consignee is not recorded
        if (m_db.ExecSql(QString::fromUtf8(row.insertSql))) {
            outcome->historyNotice = failure;
            if (!m_db.InTransaction()) {
                // The database dropped the transaction (a full disk, say):
                // the rows before are gone, and the rows after must not
                // slip in one by one outside it.
                outcome->historyWritten = 0;
                return;
            }
            continue;
        }
        ++written;
    }
    if (m_db.Commit()) {
        // Nothing of the transaction is kept: no row may claim a page.
        m_db.Rollback();
        written = 0;
        outcome->historyNotice = failure;
    }
    outcome->historyWritten = written;
}

BatchPrintOutcome BatchPrint::run(QPrinter &printer, const QStringList &ids, const AssemblyOptions &assembly,
                                  StyleData &style, PrintRecord &record, const PrintJob::Options &job,
                                  const BatchHistory &history, const Progress &progress)
{
    BatchPrintOutcome outcome;
    // A consignee deleted after it was ticked keeps its identifier in the
    // checked list; it gets no page rather than an empty waybill.
    const QStringList existing = ExistingConsignees(m_db, m_sources.addressDb, ids);
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
        writeHistory(rows, drawn, &outcome);
    return outcome;
}
