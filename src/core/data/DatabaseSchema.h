#pragma once
// The tables of the three database files, their columns in order with their
// declared types, and the steps that create a new address, members or
// postal-code database.

#include "core/data/DatabaseError.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// One table: its name and its column definitions ("name type") in order. A
// definition may also be a table constraint ("primary key(userid,kind)").
struct TableDefinition {
    QString name;
    QStringList columns;
};

// True for a table constraint ("primary key(userid,kind)") among the definitions.
bool IsTableConstraint(const QString &definition);
// The column a definition names as written ("NAMAE1" of "NAMAE1 VARCHAR (40)");
// empty for a table constraint.
QString ColumnName(const QString &definition);

// The CREATE TABLE statement of a table.
QString CreateTableSql(const TableDefinition &table);

const TableDefinition &AddressTable();
const TableDefinition &CompanyTable();
const TableDefinition &OrdersheetTable();
const TableDefinition &SenderTable();
const TableDefinition &OrderitemTable();
const TableDefinition &ItemsTable();
const TableDefinition &MemberitemTable();
const TableDefinition &ZipcodeTable();

// The tables of "addressXe2.db3" in their creation order.
QVector<TableDefinition> AddressTables();
// The tables of "membersXe2.db3" in their creation order.
QVector<TableDefinition> MembersTables();

// Creates the tables of "addressXe2.db3" at path (address, company) and, when
// company was new, its four default senders 会社名1 to 会社名4. A table that
// exists is left as it is. An error opening or committing is returned.
DatabaseError CreateAddressDatabase(Database &db, const QString &path);

// Creates the tables of "membersXe2.db3" at path in their order. A table that
// exists is left as it is. An error opening or committing is returned.
DatabaseError CreateMembersDatabase(Database &db, const QString &path);

// Creates the zipcode table in the open database unless it exists.
void CreateZipcodeTable(Database &db);
