#include "core/data/StartupDatabases.h"

#include "core/data/DatabaseErrorText.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/SearchIndex.h"
#include "core/data/Database.h"
#include "core/data/StoreLocation.h"

#include <QFile>
#include <utility>

namespace {

// A postal-code file without its table is what an interrupted import used to
// leave; like a missing one it is replaced by the shipped copy.
void restoreZipcodeDatabase(Database &db, const StartupDatabasePaths &paths, QStringList *notices)
{
    DatabaseFileCheck check = CheckDatabaseFile(db, paths.zipcode);
    if (check.state == DatabaseFileState::Missing || check.state == DatabaseFileState::Empty) {
        QFile::remove(paths.zipcode);
        QFile::copy(paths.shippedZipcode, paths.zipcode);
        QFile::setPermissions(paths.zipcode, QFile::permissions(paths.zipcode) | QFile::WriteOwner);
        check = CheckDatabaseFile(db, paths.zipcode);
    }
    if (check.state == DatabaseFileState::Missing)
        notices->append(QStringLiteral("郵便番号データベースがありません"));
    else if (check.state != DatabaseFileState::Usable)
        notices->append(DatabaseFileNotice(ZipcodeDatabaseLabel(), paths.zipcode, check.error));
}

// A database made before the search index gets it here, once. Without it the
// searches still work (reading every row), so a failure is not shown: the
// next start tries again.
void addSearchIndex(Database &db, const QString &path, const DatabaseFileCheck &check,
                    const SearchIndexBuildObserver &observer = {})
{
    if (check.state != DatabaseFileState::Usable)
        return;
    for (const SearchIndex *index : {&HistorySearchIndex(), &ConsigneeSearchIndex()})
        AddSearchIndex(db, path, *index, observer);
}

void prepare(Database &db, const QString &label, const QString &path, CreateDatabaseFunction create,
             QStringList *notices, const SearchIndexBuildObserver &observer)
{
    DatabaseError error;
    const DatabaseFileCheck check = PrepareDatabaseFile(db, path, create, &error);
    addSearchIndex(db, path, check, observer);
    if (error.isError())
        notices->append(QStringLiteral("データベースを作成できませんでした。\n") + path + QLatin1Char('\n') + DatabaseErrorInJapanese(error));
    else if (check.state == DatabaseFileState::Damaged || check.state == DatabaseFileState::Unreadable)
        notices->append(DatabaseFileNotice(label, path, check.error));
}

} // namespace

DatabaseFileCheck PrepareDatabaseFile(Database &db, const QString &path, CreateDatabaseFunction create,
                                      DatabaseError *createError)
{
    const DatabaseFileCheck check = CheckDatabaseFile(db, path);
    *createError = {};
    if (check.state == DatabaseFileState::Missing || check.state == DatabaseFileState::Empty)
        *createError = create(db, path);
    return check;
}

DatabaseError PrepareAddressBook(Database &db, const QString &addressDb, const QString &membersDb)
{
    if (IsServerStore(addressDb)) {
        DatabaseError error = CreateAddressDatabase(db, addressDb);
        if (error.isError())
            error.message = QStringLiteral("cannot use %1: %2").arg(StoreLocationForDisplay(addressDb), error.message);
        return error;
    }
    for (const auto &[path, create] :
         {std::pair{addressDb, &CreateAddressDatabase}, std::pair{membersDb, &CreateMembersDatabase}}) {
        DatabaseError error;
        const DatabaseFileCheck check = PrepareDatabaseFile(db, path, create, &error);
        addSearchIndex(db, path, check);
        if (error.isError()) {
            error.message = QStringLiteral("cannot create %1: %2").arg(path, error.message);
            return error;
        }
        if (check.state == DatabaseFileState::Damaged || check.state == DatabaseFileState::Unreadable) {
            error = check.error;
            error.message = QStringLiteral("cannot use %1: %2").arg(path, error.message);
            return error;
        }
    }
    return {};
}

QStringList OpenStartupDatabases(Database &db, const StartupDatabasePaths &paths,
                                 const SearchIndexBuildObserver &observer)
{
    QStringList notices;
    restoreZipcodeDatabase(db, paths, &notices);
    if (IsServerStore(paths.address)) {
        // The server's tables are made by the first station that uses it.
        const DatabaseError error = CreateAddressDatabase(db, paths.address);
        if (error.isError())
            notices.append(QStringLiteral("サーバーのデータベースを使えません。\n") + StoreLocationForDisplay(paths.address)
                           + QLatin1Char('\n') + DatabaseErrorInJapanese(error));
        return notices;
    }
    prepare(db, AddressDatabaseLabel(), paths.address, CreateAddressDatabase, &notices, observer);
    prepare(db, MembersDatabaseLabel(), paths.members, CreateMembersDatabase, &notices, observer);
    return notices;
}
