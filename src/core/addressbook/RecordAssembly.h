#pragma once
// Builds the current print record from the address book (consignee list page)
// or from the single-print data file (any other page), applies the fixed items
// and the sender, and transfers it into the layout.

#include "core/data/DatabaseError.h"
#include "core/layout/PrintRecord.h"

#include <QDate>
#include <QString>

class StyleData;
class Database;

struct AssemblySources {
    QString addressDb;      // DataDir/addressXe2.db3
    QString membersDb;      // DataDir/membersXe2.db3
    QString singleDataPath; // WorkDir/conf/singledata.txt
    int editionCode = 40;
};

struct AssemblyOptions {
    bool listPageActive = false; // the consignee list page is the active left page
    int selectedSenderId = 0;    // the sender list's selection; 0 when the list is empty
    bool itemFix = false;        // fixed-items option
    QString fixItem[4];
    QString fixKingaku;
    bool yenMark = false;
    QDate printDate;
    bool printDateOff = false;
};

#include <QHash>
#include <QStringList>

class RecordAssembly
{
public:
    RecordAssembly(Database &db, const AssemblySources &sources);

    // currentData: rebuilds record for consignee rd (decimal text, or empty)
    // and transfers it into style.
    void currentData(const QString &rd, const AssemblyOptions &options, PrintRecord &record, StyleData &style);

    // senderData: fills the sender slots for sender identifier n + 1 (n < 0
    // counts as 0) and transfers the sender items.
    void senderData(int n, PrintRecord &record, StyleData &style);

    // The fixed-items option or a fixed box changed: the item and amount slots
    // take the fixed texts (option ticked) or the remembered own items, and the
    // item names and amount are transferred again (without the yen mark).
    void applyFixedItems(const AssemblyOptions &options, PrintRecord &record, StyleData &style);

    // The amount slot of the edition: 16 for payment slips, 25 otherwise.
    int amountSlot() const { return m_sources.editionCode == 10 ? 16 : 25; }

    // Reads the address, item and sender rows of the consignees ids in three
    // statements; currentData then takes theirs from here instead of three
    // statements (and two database switches) a page. A continuous print reads
    // its consignees a run of pages at a time.
    void prefetch(const QStringList &ids);
    // Back to reading every row when it is needed.
    void dropPrefetch();

    // The last read of the address book that failed (the server went away,
    // say) since clearReadError: the record then lacks what it could not
    // read, and must not be printed as if it were whole.
    const DatabaseError &readError() const { return m_readError; }
    // The store (address book or members file) that read failed on.
    const QString &readErrorLocation() const { return m_readErrorLocation; }
    void clearReadError()
    {
        m_readError = {};
        m_readErrorLocation.clear();
    }

private:
    // A row read ahead, by identifier; an identifier read but not found maps
    // to an empty row, as the statement would have returned nothing.
    using Rows = QHash<int, QStringList>;
    // The first row of the statement for identifier id: from the rows read
    // ahead when they hold it, else from the database.
    QStringList rowFor(const Rows &ahead, int id, const QString &database, const QString &sql);
    void fillConsignee(const QString &rd, PrintRecord &record, QString &building);
    int fillItems(const QString &rd, const AssemblyOptions &options, PrintRecord &record);
    void fillSenderSlots(int senderId, PrintRecord &record);

    Database &m_db;
    AssemblySources m_sources;
    QString m_ownItems[4];
    QString m_ownAmount;
    Rows m_consigneesAhead;
    Rows m_itemsAhead;
    Rows m_sendersAhead;
    DatabaseError m_readError;
    QString m_readErrorLocation;
};
