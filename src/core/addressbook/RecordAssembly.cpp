#include "core/addressbook/RecordAssembly.h"

#include "core/text/TextFields.h"
#include "core/data/Database.h"
#include "core/layout/StyleData.h"

namespace {

// Identifiers reach the statements as numbers only, so a damaged identifier can
// never change the statement.
bool isIdentifier(const QString &rd)
{
    int value = 0;
    return ParseWholeNumber(rd, &value);
}

} // namespace

RecordAssembly::RecordAssembly(Database &db, const AssemblySources &sources) : m_db(db), m_sources(sources) {}

namespace {

const char *const ConsigneeColumns = "SELECT ID,namae1,namae2,zipcode,area,city,location,building,tel FROM address";
const char *const ItemColumns = "select uriage,itemname1,itemname2,itemname3,itemname4,arrivedate,timeselect,daibiki,"
                                "num,kg,charge,hoken,companyID";
const char *const SenderColumns =
    "SELECT ID,NAMAE1,ZIPCODE,AREA,CITY,LOCATION,BUILDING,TEL,tagchr1,tagchr2,tagchr3 FROM company";

} // namespace

QStringList RecordAssembly::rowFor(const Rows &ahead, int id, const QString &database, const QString &sql)
{
    const auto found = ahead.constFind(id);
    if (found != ahead.constEnd())
        return *found;
    if (const DatabaseError opened = m_db.OpenDatabase(database); opened.isError()) {
        m_readError = opened;
        m_readErrorLocation = database;
        return {};
    }
    const QueryResult result = m_db.QueryRows(sql);
    if (!result.ok()) {
        m_readError = result.error;
        m_readErrorLocation = database;
    }
    if (result.ok() && !result.rows.isEmpty())
        return result.rows.row(0);
    return {};
}

void RecordAssembly::prefetch(const QStringList &ids)
{
    dropPrefetch();
    QStringList numbers;
    for (const QString &rd : ids)
        if (!rd.isEmpty() && isIdentifier(rd))
            numbers << QString::number(rd.trimmed().toInt());
    if (numbers.isEmpty())
        return;
    const QString list = numbers.join(u',');
    Rows consignees, items, senders;
    // A read that fails here leaves the rows to be read one by one, and
    // those report a failure that lasts (readError).
    if (m_db.OpenDatabase(m_sources.addressDb).isError())
        return;
    QueryResult result = m_db.QueryRows(QString::fromLatin1(ConsigneeColumns) + " where id in (" + list + ");");
    if (!result.ok())
        return;
    for (const QStringList &row : result.rows.rows())
        consignees.insert(row.value(0).toInt(), row);
    // Senders are few: all of them, for whichever a page's items name.
    result = m_db.QueryRows(QString::fromLatin1(SenderColumns));
    if (!result.ok())
        return;
    for (const QStringList &row : result.rows.rows())
        senders.insert(row.value(0).toInt(), row);
    if (m_db.OpenDatabase(m_sources.membersDb).isError())
        return;
    // In the order a statement per consignee would meet them: its first row.
    result = m_db.QueryRows(QString::fromLatin1(ItemColumns) + ",userID FROM memberitem where userID in (" + list
                            + ") and  kind=" + QString::number(m_sources.editionCode) + " order by userID");
    if (!result.ok())
        return;
    for (const QStringList &row : result.rows.rows()) {
        const int id = row.value(13).toInt();
        if (!items.contains(id))
            items.insert(id, row.mid(0, 13));
    }
    for (const QString &n : numbers) {
        const int id = n.toInt();
        if (!consignees.contains(id))
            consignees.insert(id, {});
        if (!items.contains(id))
            items.insert(id, {});
    }
    m_consigneesAhead = std::move(consignees);
    m_itemsAhead = std::move(items);
    m_sendersAhead = std::move(senders);
}

void RecordAssembly::dropPrefetch()
{
    m_consigneesAhead.clear();
    m_itemsAhead.clear();
    m_sendersAhead.clear();
}

void RecordAssembly::fillConsignee(const QString &rd, PrintRecord &record, QString &building)
{
    QStringList row;
    if (!rd.isEmpty() && isIdentifier(rd)) {
        const int id = rd.trimmed().toInt();
        row = rowFor(m_consigneesAhead, id, m_sources.addressDb,
                     QString::fromLatin1(ConsigneeColumns) + " where id=" + QString::number(id) + ";");
    }
    const QString id = row.value(0);
    const QString name = row.value(1) + row.value(2);
    const QString zip = row.value(3);
    const QString area = row.value(4), city = row.value(5), location = row.value(6);
    building = row.value(7);
    const QString tel = row.value(8);
    record.setSlot(0, zip);
    record.setSlot(1, area + city + location + building);
    record.setSlot(2, tel);
    record.setSlot(3, name);
    record.setSlot(7, id);
    record.setSlot(8, name);
    record.setSlot(12, zip);
    record.setSlot(13, area + city);
    record.setSlot(14, location);
    record.setSlot(15, tel);
}

int RecordAssembly::fillItems(const QString &rd, const AssemblyOptions &options, PrintRecord &record)
{
    QStringList item;
    if (!rd.isEmpty() && isIdentifier(rd)) {
        const int id = rd.trimmed().toInt();
        item = rowFor(m_itemsAhead, id, m_sources.membersDb,
                      QString::fromLatin1(ItemColumns) + " FROM memberitem where userID=" + QString::number(id)
                          + " and  kind=" + QString::number(m_sources.editionCode));
    }
    record.setSlot(16, item.value(0));
    for (int i = 0; i < 4; ++i)
        record.setSlot(17 + i, item.value(1 + i));
    record.setSlot(22, item.value(5));
    record.setSlot(23, item.value(6));
    const int countSlots[5] = {25, 26, 27, 28, 29};
    for (int i = 0; i < 5; ++i) {
        const QString v = item.value(7 + i);
        record.setSlot(countSlots[i], v == QLatin1String("0") ? QString() : v);
    }
    // The selected sender stands in only for the fixed-items option and for no
    // consignee at all; a consignee without its own sender prints with sender 1.
    if (options.itemFix || rd.isEmpty())
        return options.selectedSenderId - 1;
    int companyId = 0;
    return !item.isEmpty() && ParseWholeNumber(item.value(12), &companyId) ? companyId - 1 : -1;
}

void RecordAssembly::fillSenderSlots(int senderId, PrintRecord &record)
{
    // A sender missing from the rows read ahead is read from the database.
    const QStringList row = rowFor(m_sendersAhead, senderId, m_sources.addressDb,
                                   QString::fromLatin1(SenderColumns) + " where ID=" + QString::number(senderId));
    record.setSlot(32, row.value(1));
    record.setSlot(33, row.value(2));
    record.setSlot(34, row.value(3) + row.value(4) + row.value(5));
    record.setSlot(35, row.value(6));
    record.setSlot(36, row.value(7));
    record.setSlot(38, row.value(8));
    record.setSlot(39, row.value(9));
    record.setSlot(40, row.value(10));
}

void RecordAssembly::senderData(int n, PrintRecord &record, StyleData &style)
{
    fillSenderSlots((n < 0 ? 0 : n) + 1, record);
    TransferSender(style, record);
}

void RecordAssembly::currentData(const QString &rd, const AssemblyOptions &options, PrintRecord &record,
                                 StyleData &style)
{
    record.clear();
    int senderIndex = options.selectedSenderId - 1;
    if (options.listPageActive) {
        QString building;
        fillConsignee(rd, record, building);
        senderIndex = fillItems(rd, options, record);
        record.setSlot(41, building);
    } else {
        LoadSingleData(m_sources.singleDataPath, record);
    }

    // The record's own items are kept before the fixed texts replace them, also
    // while the option is on: unticking it later must bring back this
    // consignee's items, not those of whichever record was assembled unfixed last.
    const int amount = amountSlot();
    for (int i = 0; i < 4; ++i)
        m_ownItems[i] = record.slot(17 + i);
    m_ownAmount = record.slot(amount);
    if (options.itemFix) {
        for (int i = 0; i < 4; ++i)
            record.setSlot(17 + i, options.fixItem[i]);
        record.setSlot(amount, options.fixKingaku);
    }
    fillSenderSlots((senderIndex < 0 ? 0 : senderIndex) + 1, record);

    TransferOptions transfer;
    transfer.editionCode = m_sources.editionCode;
    transfer.yenMark = options.yenMark;
    transfer.printDate = options.printDate;
    transfer.printDateOff = options.printDateOff;
    TransferRecord(style, record, transfer);
}

void RecordAssembly::applyFixedItems(const AssemblyOptions &options, PrintRecord &record, StyleData &style)
{
    const int amount = amountSlot();
    for (int i = 0; i < 4; ++i)
        record.setSlot(17 + i, options.itemFix ? options.fixItem[i] : m_ownItems[i]);
    record.setSlot(amount, options.itemFix ? options.fixKingaku : m_ownAmount);
    style.setItemText(41, record.slot(amount));
    style.setItemText(141, record.slot(amount));
    for (int i = 0; i < 4; ++i)
        style.setItemText(31 + i, record.slot(17 + i));
}
