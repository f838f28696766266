#include "core/data/DatabaseSchema.h"

#include "core/data/SearchIndex.h"
#include "core/data/Database.h"
#include "core/data/PgSchema.h"

namespace {

// The definitions at the commas between them; a constraint's column list
// ("primary key(userid,kind)") stays one definition.
QStringList split(const char *definitions)
{
    QStringList parts;
    QString part;
    int depth = 0;
    for (const QChar c : QString::fromUtf8(definitions)) {
        if (c == QLatin1Char(',') && depth == 0) {
            parts << part;
            part.clear();
            continue;
        }
        depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
        part += c;
    }
    parts << part;
    return parts;
}

// The search index of a new table, inside the creation's transaction. An
// engine without FTS5 leaves the table without it (see SearchIndex.h): the
// savepoint takes back whatever part was made.
void addSearchIndex(Database &db, const SearchIndex &index)
{
    if (db.ExecSql(QStringLiteral("SAVEPOINT search_index")))
        return;
    for (const QString &sql : CreateSearchIndexSql(index)) {
        if (db.ExecSql(sql)) {
            db.ExecSql(QStringLiteral("ROLLBACK TO search_index"));
            break;
        }
    }
    db.ExecSql(QStringLiteral("RELEASE search_index"));
}

} // namespace

bool IsTableConstraint(const QString &definition)
{
    return definition.trimmed().startsWith(QLatin1String("primary key"), Qt::CaseInsensitive);
}

QString ColumnName(const QString &definition)
{
    return IsTableConstraint(definition) ? QString() : definition.simplified().section(QLatin1Char(' '), 0, 0);
}

QString CreateTableSql(const TableDefinition &table)
{
    return QStringLiteral("CREATE TABLE ") + table.name + QLatin1Char('(') + table.columns.join(QLatin1Char(','))
           + QLatin1Char(')');
}

const TableDefinition &AddressTable()
{
    static const TableDefinition t{
        QStringLiteral("address"),
        split("ID INTEGER PRIMARY KEY AUTOINCREMENT,KIND INTEGER,NAMAE1 VARCHAR (40),furigana1 varchar(40),"
              "namae2 varchar(40),furigana2 varchar(40),birth date,zipcode varchar(7),area varchar(20),"
              "city varchar(60),location varchar(60),building varchar(60),tel varchar(15),fax varchar(15),"
              "keitai varchar(15),email varchar(60),imail varchar(60),url varchar(60),works varchar(40),"
              "schoo varchar(40),keisho varchar(10),sex integer,club varchar(40),class varchar(20),"
              "admission date,lastuse date,userid varchar(10),passwd varchar(12),companyid  integer,"
              "tagchr1 varchar(30),tagchr2 varchar(30),tagchr3 varchar(60),tagchr4 varchar(60),"
              "tagint1 integer,tagint2 integer,tagint3 integer,tagint4 integer,point1 integer,"
              "point2 integer,notes varchar(200)")};
    return t;
}

const TableDefinition &CompanyTable()
{
    static const TableDefinition t{
        QStringLiteral("company"),
        split("ID INTEGER PRIMARY KEY AUTOINCREMENT,NAMAE1 VARCHAR (60),NAMAE2 VARCHAR (60),ZIPCODE VARCHAR(7),"
              "area varchar(20),city varchar(60),location varchar(60),building varchar(60),tel varchar(15),"
              "fax varchar(15),keitai varchar(15),email varchar(60),imail varchar(60),url varchar(60),"
              "works varchar(40),tagchr1 varchar(30),tagchr2 varchar(30),tagchr3 varchar(30),tagchr4 varchar(30)")};
    return t;
}

const TableDefinition &OrdersheetTable()
{
    static const TableDefinition t{
        QStringLiteral("ordersheet"),
        split("order_id VARCHAR(10) PRIMARY KEY,orderdate date,kind integer,userid varchar(20),namae1 varchar(20),"
              "furigana1 varchar(20),namae2 varchar(20),furigana2 varchar(20),zipcode varchar(7),area varchar(20),"
              "city varchar(60),location varchar(60),building varchar(60),tel varchar(15),email varchar(60),"
              "snamae1 varchar(20),sfurigana1 varchar(20),snamae2 varchar(20),sfurigana2 varchar(20),"
              "szipcode varchar(7),sarea varchar(20),scity varchar(60),slocation varchar(60),sbuilding varchar(60),"
              "stel varchar(15),semail varchar(60),uriage integer,pay integer,paydate date,paykind integer,"
              "paynotes varchar(100),itemname1 varchar(80),itemname2 varchar(80),itemname3 varchar(80),"
              "itemname4 varchar(80),itemname5 varchar(80),arrivedate varchar(20),timeselect varchar(20),"
              "daibiki integer,charge integer,hoken integer,tagchr1 varchar(30),tagchr2 varchar(30),"
              "tagchr3 varchar(60),tagchr4 varchar(60),tagint1 integer,tagint2 integer,tagint3 integer,"
              "tagint4 integer,lastdate date,notes varchar(100)")};
    return t;
}

const TableDefinition &SenderTable()
{
    static const TableDefinition t{
        QStringLiteral("sender"),
        split("ID INTEGER PRIMARY KEY AUTOINCREMENT,orderid varchar(15),senderdate date,kind integer,"
              "userid varchar(20),namae1 varchar(20),furigana1 varchar(20),namae2 varchar(20),furigana2 varchar(20),"
              "zipcode varchar(7),address1 varchar(80),address2 varchar(80),address3 varchar(80),tel varchar(15),"
              "uriage integer,itemname1 varchar(80),itemname2 varchar(80),itemname3 varchar(80),"
              "itemname4 varchar(80),itemname5 varchar(80),arrivedate varchar(20),timeselect varchar(20),"
              "number varchar(20),daibiki integer,num integer,kg integer,charge integer,hoken integer,"
              "notes varchar(80),snamae1 varchar(20),szipcode varchar(7),saddress1 varchar(80),"
              "saddress2 varchar(80),stel varchar(15),sfax varchar(15),snumber1 varchar(10),snumber2 varchar(10),"
              "snumber3 varchar(10),paynotes varchar(100)")};
    return t;
}

const TableDefinition &OrderitemTable()
{
    static const TableDefinition t{
        QStringLiteral("orderitem"),
        split("ID INTEGER PRIMARY KEY AUTOINCREMENT,orderid varchar(15) not null,orderdate date,orderkind integer,"
              "userid varchar(20),itemcode varchar(20),itemkind varchar(20),itemname varchar(80),itemmany integer,"
              "itemmuch integer,itemci varchar(6),senderkind integer,sendernumber varchar(20),"
              "sendernotes varchar(80),tagchr1 varchar(30),tagchr2 varchar(30),tagint1 integer,tagint2 integer")};
    return t;
}

const TableDefinition &ItemsTable()
{
    static const TableDefinition t{
        QStringLiteral("items"),
        split("ID INTEGER PRIMARY KEY AUTOINCREMENT,code varchar(20),kind varchar(60),namae varchar(60),"
              "ci varchar(6),much1 integer,much2 integer,much3 integer,notes varchar(80)")};
    return t;
}

const TableDefinition &MemberitemTable()
{
    static const TableDefinition t{
        QStringLiteral("memberitem"),
        split("userid integer,kind integer,companyID integer,uriage integer,itemname1 varchar(80),"
              "itemname2 varchar(80),itemname3 varchar(80),itemname4 varchar(80),itemname5 varchar(80),"
              "arrivedate varchar(20),timeselect varchar(20),daibiki integer,num integer,kg integer,"
              "charge integer,hoken integer,notes varchar(80),primary key(userid,kind)")};
    return t;
}

const TableDefinition &ZipcodeTable()
{
    static const TableDefinition t{
        QStringLiteral("zipcode"),
        split("ID INTEGER PRIMARY KEY AUTOINCREMENT,ZIP_CODE VARCHAR (7),AREA varchar(20),CITY varchar(60),"
              "LOCATION varchar(80)")};
    return t;
}

QVector<TableDefinition> AddressTables()
{
    return {AddressTable(), CompanyTable()};
}

QVector<TableDefinition> MembersTables()
{
    return {OrdersheetTable(), SenderTable(), OrderitemTable(), ItemsTable(), MemberitemTable()};
}

DatabaseError CreateAddressDatabase(Database &db, const QString &path)
{
    DatabaseError error = db.OpenDatabase(path);
    if (error.isError())
        return error;
    // On a server both parts of the address book are made together.
    if (db.isServer())
        return CreatePgSchema(*db.server());
    // One transaction: a crash half-way must not leave a file that exists (so
    // it is never created again) but lacks its tables or default senders.
    db.BeginTransaction();
    const bool addressExisted = db.ExecSql(CreateTableSql(AddressTable()));
    const bool companyExisted = db.ExecSql(CreateTableSql(CompanyTable()));
    // Default senders only with a new company table, never a second set.
    if (!companyExisted) {
        for (int i = 1; i <= 4; ++i)
            db.ExecSql(QStringLiteral("INSERT INTO company(NAMAE1) VALUES('会社名%1')").arg(i));
    }
    if (!addressExisted)
        addSearchIndex(db, ConsigneeSearchIndex());
    if (db.Commit(&error))
        db.Rollback();
    return error;
}

DatabaseError CreateMembersDatabase(Database &db, const QString &path)
{
    DatabaseError error = db.OpenDatabase(path);
    if (error.isError())
        return error;
    if (db.isServer())
        return CreatePgSchema(*db.server());
    db.BeginTransaction();
    bool senderExisted = false;
    for (const TableDefinition &table : MembersTables()) {
        const bool existed = db.ExecSql(CreateTableSql(table));
        if (table.name == SenderTable().name)
            senderExisted = existed;
    }
    if (!senderExisted)
        addSearchIndex(db, HistorySearchIndex());
    if (db.Commit(&error))
        db.Rollback();
    return error;
}

void CreateZipcodeTable(Database &db)
{
    db.ExecSql(CreateTableSql(ZipcodeTable()));
}
