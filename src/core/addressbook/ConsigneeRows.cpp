#include "core/addressbook/ConsigneeRows.h"

#include "core/addressbook/CheckedConsignees.h"
#include "core/addressbook/EditorInput.h"
#include "core/text/TextFields.h"
#include "core/data/SearchIndex.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"

#include <QSet>

namespace {

// Identifiers reach statements only as numbers, so no stored text can change one.
bool toIdentifier(const QString &text, int *value)
{
    return ParseWholeNumber(text, value) && *value >= 0;
}

} // namespace

QString ContainsPattern(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            escaped += u'\\';
        escaped += c;
    }
    return SqlQuote(QStringLiteral("%") + escaped + QStringLiteral("%"));
}

namespace {

// The list's SELECT; candidates as in SearchCandidates.
QString consigneeSelectSql(const QString &searchText, const QString &candidates)
{
    QString sql = QStringLiteral("SELECT ID,namae1,namae2,zipcode,area,city,location,building,tel FROM address");
    if (!searchText.isEmpty()) {
        // Line breaks pasted into the search box would otherwise sit inside the literal.
        const QString pattern = ContainsPattern(StripLineBreaks(searchText));
        static const char *const columns[] = {"namae1", "namae2", "zipcode", "area",
                                              "city",   "location", "building", "tel"};
        QStringList conditions;
        for (const char *column : columns)
            conditions << QString::fromLatin1(column) + QStringLiteral(" like ") + pattern +
                              QStringLiteral(" escape '\\'");
        // In the order of the identifiers, as a scan of a file gives them; a
        // server keeps an edited row elsewhere and would show it last.
        if (candidates.isEmpty())
            return sql + QStringLiteral(" where ") + conditions.join(QStringLiteral(" or ")) + QStringLiteral(" order by ID;");
        // Read through the candidates the rows come in the engine's choice of
        // order; the identifiers' order is the one a scan of the table gives.
        return sql + QStringLiteral(" where ") + candidates + QStringLiteral(" and (")
               + conditions.join(QStringLiteral(" or ")) + QStringLiteral(") order by ID;");
    }
    return sql + QStringLiteral(" order by ID;");
}

} // namespace

QString ConsigneeSelectSql(const QString &searchText)
{
    return consigneeSelectSql(searchText, QString());
}

QVector<ConsigneeRow> ReadConsignees(Database &db, const ConsigneeQuery &query, const CheckedConsignees &checked,
                                     DatabaseError *error)
{
    QVector<ConsigneeRow> rows;
    if (query.printOnly && checked.isEmpty())
        return rows;

    QSet<QString> senderMembers;
    if (query.senderFilter >= 0) {
        DatabaseError e = db.OpenDatabase(query.membersDb);
        if (!e.isError()) {
            const QueryResult members = db.QueryRows(QStringLiteral("SELECT userid FROM memberitem where companyID=") +
                                                     QString::number(query.senderFilter));
            e = members.error;
            for (const QStringList &row : members.rows.rows())
                senderMembers.insert(row.value(0));
        }
        if (e.isError()) {
            if (error)
                *error = e;
            return rows;
        }
    }

    DatabaseError e = db.OpenDatabase(query.addressDb);
    if (!e.isError()) {
        // The print-only view lists the ticked consignees whatever the search says.
        const QString searchText = query.printOnly ? QString() : query.searchText;
        const QString sql = consigneeSelectSql(
            searchText,
            searchText.isEmpty() ? QString()
                                 : SearchCandidates(db, ConsigneeSearchIndex(), StripLineBreaks(searchText)));
        e = db.ForEachRow(sql, [&](const StoreRow &s) {
            const QString id = s.columnText(0).toString();
            if (query.senderFilter >= 0 && !senderMembers.contains(id))
                return;
            if (query.printOnly && !checked.contains(id))
                return;
            ConsigneeRow row;
            row.id = id;
            row.name = s.columnText(1).toString() + s.columnText(2).toString();
            row.zipcode = s.columnText(3).toString();
            row.address = s.columnText(4).toString() + s.columnText(5).toString() + s.columnText(6).toString() +
                          s.columnText(7).toString();
            row.tel = s.columnText(8).toString();
            rows.append(std::move(row));
        });
    }
    if (error)
        *error = e;
    return rows;
}

QString PostalCodeForList(const QString &stored)
{
    if (stored.size() != 7 || !IsAsciiDigits(stored))
        return stored;
    return stored.left(3) + u'-' + stored.mid(3);
}

QStringList ExistingConsignees(Database &db, const QString &addressDb, const QStringList &ids, DatabaseError *error)
{
    QStringList existing;
    if (ids.isEmpty())
        return existing;
    DatabaseError e = db.OpenDatabase(addressDb);
    QSet<QString> known;
    if (!e.isError())
        e = db.ForEachRow(QStringLiteral("SELECT ID FROM address;"),
                          [&known](const StoreRow &s) { known.insert(s.columnText(0).toString()); });
    if (error)
        *error = e;
    if (e.isError())
        return existing;
    for (const QString &id : ids) {
        int value = 0;
        if (toIdentifier(id, &value) && known.contains(QString::number(value)))
            existing << id;
    }
    return existing;
}

int DeleteConsignees(Database &db, const QString &addressDb, const QStringList &ids)
{
    int failures = 0;
    if (db.OpenDatabase(addressDb).isError())
        return int(ids.size());
    for (const QString &id : ids) {
        int value = 0;
        if (!toIdentifier(id, &value) ||
            db.ExecSql(QStringLiteral("DELETE FROM address  WHERE ID=") + QString::number(value)))
            ++failures;
    }
    return failures;
}
