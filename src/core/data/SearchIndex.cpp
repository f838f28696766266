#include "core/data/SearchIndex.h"

#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"


namespace {

// Two of them end every indexed value (see the header).
const QString padding = QStringLiteral("char(1,1)");

// "coalesce(<prefix>c,'')||char(1,1)" for each column, comma-separated: the
// indexed values. The view, the insert and the delete must compute them alike,
// or the delete would take out terms the insert never put in.
QString indexedValues(const SearchIndex &index, const QString &prefix, bool named)
{
    QStringList values;
    for (const QString &column : index.columns)
        values << QStringLiteral("coalesce(") + prefix + column + QStringLiteral(",'')||") + padding
                      + (named ? QStringLiteral(" AS ") + column : QString());
    return values.join(u',');
}

QString deleteOld(const SearchIndex &index)
{
    return QStringLiteral("INSERT INTO ") + index.name() + u'(' + index.name() + QStringLiteral(",rowid,")
           + index.columns.join(u',') + QStringLiteral(") VALUES('delete',old.") + index.idColumn + u','
           + indexedValues(index, QStringLiteral("old."), false) + QStringLiteral(");");
}

QString insertNew(const SearchIndex &index)
{
    return QStringLiteral("INSERT INTO ") + index.name() + QStringLiteral("(rowid,") + index.columns.join(u',')
           + QStringLiteral(") VALUES(new.") + index.idColumn + u',' + indexedValues(index, QStringLiteral("new."), false)
           + QStringLiteral(");");
}

QStringList objectNames(const SearchIndex &index)
{
    const QString n = index.name();
    return {n, n + QStringLiteral("_text"), n + QStringLiteral("_insert"), n + QStringLiteral("_delete"),
            n + QStringLiteral("_update")};
}

// Runs statements inside a savepoint: all of them or, at the first failure
// (an engine without FTS5 or its trigram tokenizer), none. Works inside an
// open transaction and outside one.
DatabaseError runAllOrNothing(Database &db, const QStringList &statements)
{
    DatabaseError error;
    if (db.ExecSql(QStringLiteral("SAVEPOINT search_index"), &error))
        return error;
    for (const QString &sql : statements) {
        if (db.ExecSql(sql, &error)) {
            db.ExecSql(QStringLiteral("ROLLBACK TO search_index"));
            db.ExecSql(QStringLiteral("RELEASE search_index"));
            return error;
        }
    }
    db.ExecSql(QStringLiteral("RELEASE search_index"), &error);
    return error;
}

// Runs a one-column query with optional text bindings and hands each value on;
// onValue returns false to stop reading.
bool eachValue(Database &db, const QString &sql, const QStringList &bindings,
               const std::function<bool(QStringView)> &onValue)
{
    DatabaseError error;
    StoreStatement s = db.Prepare(sql, &error);
    if (error.isError() || !s.isValid())
        return false;
    for (int i = 0; i < bindings.size(); ++i)
        s.bindText(i + 1, bindings.at(i));
    int rc;
    while ((rc = s.step()) == StoreStatement::Row) {
        if (!onValue(s.columnText(0)))
            return true;
    }
    return rc == StoreStatement::Done;
}

// The trigrams the index makes of text followed by the padding, in order, as
// the tokenizer folds them; asking the tokenizer itself keeps the folding
// exactly its own (full-width letters and other scripts included).
QStringList foldedTrigrams(Database &db, const QString &text)
{
    QStringList trigrams;
    if (db.ExecSql(QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS temp.search_fold USING "
                                  "fts5(t, tokenize='trigram case_sensitive 0')"))
        || db.ExecSql(QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS temp.search_fold_terms USING "
                                     "fts5vocab(temp, search_fold, instance)"))
        || db.ExecSql(QStringLiteral("DELETE FROM temp.search_fold"))
        || db.ExecSql(QStringLiteral("INSERT INTO temp.search_fold(t) VALUES(") + SqlQuote(text)
                      + QStringLiteral("||char(1,1))")))
        return trigrams;
    eachValue(db, QStringLiteral("SELECT term FROM temp.search_fold_terms ORDER BY offset"), {},
              [&trigrams](QStringView term) {
                  trigrams << term.toString();
                  return true;
              });
    db.ExecSql(QStringLiteral("DELETE FROM temp.search_fold"));
    return trigrams;
}

QString phrase(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// The code points of s.
qsizetype codePoints(const QString &s)
{
    return s.toUcs4().size();
}

} // namespace

const SearchIndex &HistorySearchIndex()
{
    static const SearchIndex index{QStringLiteral("sender"), QStringLiteral("ID"),
                                   {"namae1", "namae2", "zipcode", "address1", "address2", "address3", "tel",
                                    "number", "charge", "itemname1", "itemname2", "itemname3", "itemname4"}};
    return index;
}

const SearchIndex &ConsigneeSearchIndex()
{
    static const SearchIndex index{QStringLiteral("address"), QStringLiteral("ID"),
                                   {"namae1", "namae2", "zipcode", "area", "city", "location", "building", "tel"}};
    return index;
}

QStringList CreateSearchIndexSql(const SearchIndex &index)
{
    const QString n = index.name();
    const QString columns = index.columns.join(u',');
    return {
        QStringLiteral("CREATE VIEW ") + n + QStringLiteral("_text AS SELECT ") + index.idColumn + u','
            + indexedValues(index, QString(), true) + QStringLiteral(" FROM ") + index.table,
        // detail=none: the index records only which rows hold a trigram, not
        // where; at a million history rows it then adds a sixth to the file
        // instead of four fifths (and the start-up check reads every page),
        // and the LIKE conditions sort out rows whose trigrams lie apart.
        // No column sizes: nothing ranks.
        QStringLiteral("CREATE VIRTUAL TABLE ") + n + QStringLiteral(" USING fts5(") + columns
            + QStringLiteral(",content='") + n + QStringLiteral("_text',content_rowid='") + index.idColumn
            + QStringLiteral("',tokenize='trigram case_sensitive 0',detail=none,columnsize=0)"),
        QStringLiteral("CREATE TRIGGER ") + n + QStringLiteral("_insert AFTER INSERT ON ") + index.table
            + QStringLiteral(" BEGIN ") + insertNew(index) + QStringLiteral(" END"),
        QStringLiteral("CREATE TRIGGER ") + n + QStringLiteral("_delete AFTER DELETE ON ") + index.table
            + QStringLiteral(" BEGIN ") + deleteOld(index) + QStringLiteral(" END"),
        QStringLiteral("CREATE TRIGGER ") + n + QStringLiteral("_update AFTER UPDATE OF ") + index.idColumn + u','
            + columns + QStringLiteral(" ON ") + index.table + QStringLiteral(" BEGIN ") + deleteOld(index)
            + insertNew(index) + QStringLiteral(" END"),
        QStringLiteral("INSERT INTO ") + n + u'(' + n + QStringLiteral(") VALUES('rebuild')"),
    };
}

QStringList DropSearchIndexSql(const SearchIndex &index)
{
    const QString n = index.name();
    return {QStringLiteral("DROP TRIGGER IF EXISTS ") + n + QStringLiteral("_insert"),
            QStringLiteral("DROP TRIGGER IF EXISTS ") + n + QStringLiteral("_delete"),
            QStringLiteral("DROP TRIGGER IF EXISTS ") + n + QStringLiteral("_update"),
            QStringLiteral("DROP TABLE IF EXISTS ") + n, QStringLiteral("DROP VIEW IF EXISTS ") + n + QStringLiteral("_text")};
}

bool HasSearchIndex(Database &db, const SearchIndex &index)
{
    // The index is SQLite's own (FTS5); a server searches its tables directly.
    if (db.isServer())
        return false;
    QStringList quoted;
    for (const QString &name : objectNames(index))
        quoted << SqlQuote(name);
    int count = 0;
    eachValue(db,
              QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN (") + quoted.join(u',')
                  + QStringLiteral(")"),
              {}, [&count](QStringView value) {
                  count = value.toInt();
                  return false;
              });
    return count == objectNames(index).size();
}

DatabaseError AddSearchIndex(Database &db, const QString &path, const SearchIndex &index,
                             const SearchIndexBuildObserver &observer)
{
    if (db.isServer())
        return {};
    DatabaseError error = db.OpenDatabase(path, Database::OpenMode::ExistingOnly);
    if (error.isError())
        return error;
    bool hasTable = false;
    eachValue(db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"), {index.table},
              [&hasTable](QStringView) { return !(hasTable = true); });
    if (!hasTable || HasSearchIndex(db, index))
        return {};
    // A part left by hand (a trigger dropped, say) would leave the index
    // behind the rows: whatever of it is there is made anew.
    if (observer.started)
        observer.started();
    if (observer.keepGoing)
        db.setProgressHandler(observer.keepGoing, observer.steps);
    error = runAllOrNothing(db, DropSearchIndexSql(index) + CreateSearchIndexSql(index));
    db.setProgressHandler({});
    if (observer.finished)
        observer.finished();
    return error;
}

QString SearchCandidates(Database &db, const SearchIndex &index, const QString &text)
{
    if (db.isServer())
        return {};
    const qsizetype length = codePoints(text);
    if (length == 0 || !HasSearchIndex(db, index))
        return {};
    const QStringList trigrams = foldedTrigrams(db, text);
    if (trigrams.size() != length)
        return {};

    // Past about a fifth of the table, reading candidates one by one costs
    // more than reading every row in order.
    qint64 rows = 0;
    eachValue(db, QStringLiteral("SELECT max(") + index.idColumn + QStringLiteral(") FROM ") + index.table, {},
              [&rows](QStringView value) {
                  rows = value.toLongLong();
                  return false;
              });
    const qint64 limit = qMax<qint64>(2000, rows / 5);
    const QString terms = QStringLiteral("temp.") + index.name() + QStringLiteral("_terms");
    if (db.ExecSql(QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS ") + terms
                   + QStringLiteral(" USING fts5vocab(main, ") + index.name() + QStringLiteral(", row)")))
        return {};

    QString match;
    if (length >= 3) {
        // A row holds the text only if it holds each of its trigrams: the
        // rarest one bounds the candidates. One rare enough is all it takes.
        bool rare = false;
        QStringList own = trigrams.mid(0, length - 2);
        own.removeDuplicates();
        for (const QString &trigram : std::as_const(own)) {
            qint64 docs = 0;
            eachValue(db, QStringLiteral("SELECT doc FROM ") + terms + QStringLiteral(" WHERE term=?"), {trigram},
                      [&docs](QStringView value) {
                          docs = value.toLongLong();
                          return false;
                      });
            if ((rare = docs <= limit))
                break;
        }
        if (!rare)
            return {};
        // The rows holding every trigram of the text (anywhere in the row).
        for (QString &trigram : own)
            trigram = phrase(trigram);
        match = own.join(QStringLiteral(" AND "));
    } else {
        // Every occurrence of one or two characters begins a trigram (the
        // padding sees to that): the rows holding a trigram that begins with
        // them. The folded characters come from the tokenizer, as in the index.
        QList<uint> first = trigrams.first().toUcs4();
        first.resize(length);
        const QString start = QString::fromUcs4(reinterpret_cast<const char32_t *>(first.constData()), length);
        // The terms beginning with start lie between it and start with its last
        // character raised by one (terms are ordered by their UTF-8 bytes, that
        // is by code points). The bound keeps the vocabulary from counting the
        // rows of the term after them.
        uint &last = first.last();
        last = last == 0xD7FF ? 0xE000 : last + 1;
        const bool bounded = last <= 0x10FFFF;
        const QString end = QString::fromUcs4(reinterpret_cast<const char32_t *>(first.constData()), length);
        DatabaseError error;
        StoreStatement s = db.Prepare(QStringLiteral("SELECT term, doc FROM ") + terms
                                           + QStringLiteral(" WHERE term>=?")
                                           + (bounded ? QStringLiteral(" AND term<?") : QString()),
                                       &error);
        if (error.isError() || !s.isValid())
            return {};
        s.bindText(1, start);
        if (bounded)
            s.bindText(2, end);
        QStringList phrases;
        qint64 docs = 0;
        int rc;
        // The terms come in order of their bytes, those beginning with start together.
        while ((rc = s.step()) == StoreStatement::Row) {
            const QStringView term = s.columnText(0);
            if (!term.startsWith(start))
                break;
            docs += s.columnText(1).toLongLong();
            // Thousands of trigrams make a long query; such text is common anyway.
            if (docs > limit || phrases.size() >= 2000)
                return {};
            phrases << phrase(term.toString());
        }
        if (rc != StoreStatement::Row && rc != StoreStatement::Done)
            return {};
        if (phrases.isEmpty())
            return QStringLiteral("0"); // no row can hold the text
        match = phrases.join(QStringLiteral(" OR "));
    }
    return index.idColumn + QStringLiteral(" IN (SELECT rowid FROM ") + index.name() + QStringLiteral(" WHERE ")
           + index.name() + QStringLiteral(" MATCH ") + SqlQuote(match) + u')';
}
