#pragma once
// A scratch address book for the address-book tests: both databases created
// as the program creates them, with helpers to add consignees and item rows.

#include "core/data/DatabaseSchema.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "support/ServerStore.h"

#include <QGuiApplication>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The one application object that fonts and printers need.
inline void EnsureGuiApp()
{
    static int argc = 1;
    static char name[] = "addressbook_tests";
    static char *argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

class AddressBookFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        addressDb = dir.filePath("addressXe2.db3");
        membersDb = dir.filePath("membersXe2.db3");
        if (const QString server = TestServerStore(); !server.isEmpty()) {
            addressDb = membersDb = server;
            EmptyServerStore(server);
        }
        ASSERT_FALSE(CreateAddressDatabase(db, addressDb).isError());
        ASSERT_FALSE(CreateMembersDatabase(db, membersDb).isError());
    }

    // True when the test runs against a server rather than the local files.
    bool onServer() const { return !TestServerStore().isEmpty(); }

    // Adds a consignee and returns its identifier as text.
    QString addConsignee(const QString &name, const QString &zip = QString(), const QString &area = QString(),
                         const QString &city = QString(), const QString &tel = QString(),
                         const QString &building = QString())
    {
        EXPECT_FALSE(db.OpenDatabase(addressDb).isError());
        EXPECT_FALSE(db.ExecSql("INSERT INTO address(namae1,namae2,zipcode,area,city,location,building,tel) VALUES(" +
                                SqlQuote(name) + ",''," + SqlQuote(zip) + "," + SqlQuote(area) + "," + SqlQuote(city) +
                                ",''," + SqlQuote(building) + "," + SqlQuote(tel) + ")"));
        return db.QueryRows("SELECT max(ID) FROM address").rows.value(0, 0);
    }

    // An item row of edition kind for consignee id.
    void addItemRow(const QString &id, int kind, int companyId, const QString &item1, const QString &num = "0",
                    const QString &hoken = "0")
    {
        ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
        ASSERT_FALSE(db.ExecSql(QString("INSERT INTO memberitem(userid,kind,companyID,itemname1,num,hoken,daibiki) "
                                        "VALUES(%1,%2,%3,%4,%5,%6,'')")
                                    .arg(id)
                                    .arg(kind)
                                    .arg(companyId)
                                    .arg(SqlQuote(item1), num, hoken)));
    }

    // Adds a history row of edition kind with the given columns; returns its ID.
    QString addHistory(int kind, const QMap<QString, QString> &columns)
    {
        QStringList names{"kind"};
        QStringList values{SqlQuote(QString::number(kind))};
        for (auto it = columns.begin(); it != columns.end(); ++it) {
            names << it.key();
            values << SqlQuote(it.value());
        }
        EXPECT_FALSE(db.OpenDatabase(membersDb).isError());
        EXPECT_FALSE(db.ExecSql("INSERT INTO sender(" + names.join(',') + ") VALUES(" + values.join(',') + ")"));
        return db.QueryRows("SELECT max(ID) FROM sender").rows.value(0, 0);
    }

    // Renames sender id.
    void nameSender(int id, const QString &name)
    {
        ASSERT_FALSE(db.OpenDatabase(addressDb).isError());
        ASSERT_FALSE(db.ExecSql(QString("UPDATE company SET NAMAE1=%1 WHERE ID=%2").arg(SqlQuote(name)).arg(id)));
    }

    QStringList query(const QString &file, const QString &sql)
    {
        QStringList values;
        EXPECT_FALSE(db.OpenDatabase(file).isError());
        const QueryResult result = db.QueryRows(sql); // kept: the rows live in it
        for (const QStringList &row : result.rows.rows())
            values << row.join('|');
        return values;
    }

    QTemporaryDir dir;
    QString addressDb, membersDb;
    Database db;
};
