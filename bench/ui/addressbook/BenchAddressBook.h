#pragma once
// The address book the list and batch benchmarks work on: count consignees
// (every tenth a 山田, the rest 佐藤), each with an item row of edition 40.

#include "core/addressbook/CheckedConsignees.h"
#include "core/addressbook/ConsigneeRows.h"
#include "core/data/Database.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "core/layout/StyleData.h"
#include "ui/printing/BatchPrint.h"

#include <QApplication>
#include <QHeaderView>
#include <QPrinter>
#include <QString>
#include <QTableView>

inline bool FillBenchAddressBook(Database &db, const QString &addressDb, const QString &membersDb, int count)
{
    db.OpenDatabase(addressDb);
    db.BeginTransaction();
    for (int i = 0; i < count; ++i)
        db.ExecSql(QString("INSERT INTO address(namae1,namae2,zipcode,area,city,location,building,tel) "
                           "VALUES('%1%2','様','%3','東京都','港区','芝公園%4-1','ビル%5','03-1234-%6')")
                       .arg(i % 10 == 0 ? "山田" : "佐藤")
                       .arg(i)
                       .arg(1000000 + i)
                       .arg(i % 50)
                       .arg(i % 7)
                       .arg(i % 10000, 4, 10, QChar('0')));
    if (db.Commit())
        return false;
    db.OpenDatabase(membersDb);
    db.BeginTransaction();
    for (int i = 1; i <= count; ++i)
        db.ExecSql(QString("INSERT INTO memberitem(userid,kind,companyID,itemname1,daibiki,num) "
                           "VALUES(%1,40,2,'品物%1','1000','1')")
                       .arg(i));
    return !db.Commit();
}

// Consignees 1 to pages to one PDF as the list's continuous print makes it,
// with the layout of KORVEL_BENCH_STYLE, writing history rows when asked.
class BenchBatch
{
public:
    BenchBatch(Database &db, const QString &addressDb, const QString &membersDb, const QString &folder, int pages,
               bool writeHistory)
        : m_db(db), m_sources{addressDb, membersDb, folder + "/singledata.txt", 40}, m_pdf(folder + "/batch.pdf")
    {
        m_style.OpenStyle(QString::fromLocal8Bit(qgetenv("KORVEL_BENCH_STYLE")));
        for (int i = 1; i <= pages; ++i)
            m_ids << QString::number(i);
        m_options.listPageActive = true;
        m_options.selectedSenderId = 1;
        m_history.write = writeHistory;
    }

    // True when every page was printed (and recorded, when asked).
    bool run()
    {
        RecordAssembly assembly(m_db, m_sources);
        BatchPrint batch(m_db, assembly, m_sources);
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, m_pdf);
        PrintRecord record;
        const BatchPrintOutcome outcome =
            batch.run(printer, m_ids, m_options, m_style, record, PrintJob::Options(), m_history);
        return outcome.ok() && outcome.printed.size() == m_ids.size()
               && (!m_history.write || outcome.historyWritten == m_ids.size());
    }

private:
    Database &m_db;
    AssemblySources m_sources;
    QString m_pdf;
    StyleData m_style;
    QStringList m_ids;
    AssemblyOptions m_options;
    BatchHistory m_history;
};

// The consignee list's model in a shown view, filled as the window fills it.
class BenchListView
{
public:
    BenchListView() : m_model(m_checked)
    {
        m_view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        m_view.setModel(&m_model);
        m_view.resize(600, 800);
        m_view.show();
    }

    // Reads every consignee into the view, which lays out and paints its first screen.
    int fill(Database &db, const QString &addressDb, const QString &membersDb)
    {
        m_model.setRows(ReadConsignees(db, {addressDb, membersDb, QString(), -1, false}, m_checked));
        QApplication::processEvents();
        return m_model.rowCount();
    }

private:
    CheckedConsignees m_checked;
    ConsigneeTableModel m_model;
    QTableView m_view;
};
