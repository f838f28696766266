#include "addressbook/BatchPrint.h"

#include "addressbook/ConsigneeRows.h"
#include "layout/StyleData.h"

#include <QPrinter>
#include <QSet>
#include <vector>

BatchPrint::BatchPrint(TDataModule1 &db, RecordAssembly &assembly, const AssemblySources &sources)
    : m_db(db), m_assembly(assembly), m_sources(sources)
{
}

// One row a printed page, each committed on its own as a single print's row
// is: a run cut short keeps the rows of the pages written before it.
void BatchPrint::writeHistory(const std::vector<PrintRecord> &records, int count, const BatchHistory &history,
                              BatchPrintOutcome *outcome)
{
    int written = 0;
    for (int page = 0; page < count; ++page) {
        QString notice;
        if (!rirekiWrite(m_db, m_sources.membersDb, records[size_t(page)].texts(), m_sources.editionCode,
                         history.date, history.today, &notice))
            ++written;
        else if (outcome->historyNotice.isEmpty())
            outcome->historyNotice = notice;
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

    std::vector<PrintRecord> records;
    records.reserve(size_t(existing.size()));
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
    outcome.draw = PrintJob::printPages(
        printer, int(existing.size()),
        [&](int page) {
            m_assembly.currentData(existing.at(page), assembly, record, style);
            records.push_back(record);
            return style.lines();
        },
        options);
    if (!outcome.draw.ok)
        return outcome; // the job was aborted: no page reached the paper, no row is written

    for (int page = 0; page < drawn; ++page)
        outcome.printed << existing.at(page);
    if (history.write)
        writeHistory(records, drawn, history, &outcome);
    return outcome;
}
