#pragma once
// A scratch data folder for the editing dialogs: the address and members
// databases as the program creates them, a small postal-code database, a
// work folder and a print record, tied together in an EditorContext.

#include "core/data/DatabaseSchema.h"
#include "core/postal/NationalPostalCsv.h"
#include "core/data/Database.h"
#include "core/postal/ZipcodeImport.h"
#include "ui/addressbook/EditorContext.h"
#include "core/layout/PrintRecord.h"

#include <QDir>
#include <QTemporaryDir>

// The postal-code entries of every dialog test. 1000001 has two town areas:
// the lookup takes the one imported last.
inline QVector<NationalPostalEntry> FixturePostalEntries()
{
    return {
        {"1000001", "東京都", "千代田区", "千代田"},
        {"1000001", "東京都", "千代田区", "千代田二"},
        {"0600000", "北海道", "札幌市中央区", "以下に掲載がない場合"},
        {"5300001", "大阪府", "大阪市北区", "梅田"},
        {"9000000", "沖縄県", "那覇市", "O'Hara町"},
    };
}

class DialogFixture
{
public:
    explicit DialogFixture(int editionCode = 40, bool withZipDb = true)
    {
        QDir(m_dir.path()).mkpath("work/conf");
        QDir(m_dir.path()).mkpath("data");
        m_context.db = &db;
        m_context.editionCode = editionCode;
        m_context.programDir = m_dir.path();
        m_context.workDir = m_dir.path() + "/work";
        m_context.addressDbPath = m_dir.path() + "/data/addressXe2.db3";
        m_context.membersDbPath = m_dir.path() + "/data/membersXe2.db3";
        m_context.zipcodeDbPath = m_dir.path() + "/data/zipcode.db3";
        m_context.record = &record;
        m_context.zipConvOption = [this] { return zipOption; };
        m_context.senderRows = [this] {
            QVector<QStringList> rows;
            if (!this->db.OpenDatabase(m_context.addressDbPath).isError()) {
                const QueryResult result = this->db.QueryRows("SELECT ID,NAMAE1 FROM company");
                for (const QStringList &row : result.rows.rows())
                    rows << row;
            }
            return rows;
        };
        m_context.selectedSenderId = [this] { return selectedSender; };
        m_context.readConsignees = [this] { ++consigneeReads; };
        m_context.currentData = [this](const QString &) { ++currentDataCalls; };
        m_context.redrawPreview = [this] { ++redraws; };
        m_context.printSingle = [this] { ++prints; };
        CreateAddressDatabase(db, m_context.addressDbPath);
        CreateMembersDatabase(db, m_context.membersDbPath);
        if (withZipDb) {
            QStringList lines;
            for (const NationalPostalEntry &e : FixturePostalEntries())
                lines << NationalPostalCsvLine(e);
            ImportNationalPostalLines(db, m_context.zipcodeDbPath, lines);
        }
    }

    const EditorContext &context() const { return m_context; }
    EditorContext &context() { return m_context; }
    QString dir() const { return m_dir.path(); }

    // Runs a query on a database file and returns its rows.
    RowList query(const QString &path, const QString &sql)
    {
        db.OpenDatabase(path);
        return db.QueryRows(sql).rows;
    }
    // Executes a statement on a database file; true when it worked.
    bool exec(const QString &path, const QString &sql)
    {
        db.OpenDatabase(path);
        return !db.ExecSql(sql);
    }

    Database db;
    PrintRecord record;
    int zipOption = 0;
    int selectedSender = 1;
    int consigneeReads = 0;
    int currentDataCalls = 0;
    int redraws = 0;
    int prints = 0;

private:
    QTemporaryDir m_dir;
    EditorContext m_context;
};
