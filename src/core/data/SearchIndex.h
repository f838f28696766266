#pragma once
// A trigram index (SQLite FTS5) over the text columns a list searches, so that
// a search reads the rows that can contain the text instead of every row.
// The index only narrows: the list's own LIKE conditions still decide, so what
// a search finds, and in which order, is what the plain search finds.
//
// The index tells which rows hold a trigram, not where: a text of three or
// more characters names the rows holding each of its trigrams.
//
// Each indexed value is the column's text followed by two U+0001 characters.
// With them every occurrence of a character begins a trigram, so a search of
// one or two characters can use the index too (through the trigrams that begin
// with them), and a value of one or two characters is indexed at all.
//
// Triggers on the table keep the index in step with every INSERT, UPDATE and
// DELETE, whoever makes them. A database without the index still works: its
// searches read every row as before.

#include "core/data/DatabaseError.h"

#include <QString>
#include <functional>
#include <QStringList>

class Database;

struct SearchIndex {
    QString table;       // the searched table, e.g. "sender"
    QString idColumn;    // its INTEGER PRIMARY KEY
    QStringList columns; // the searched columns, in the list's order
    // The FTS5 table; its view "<name>_text" and triggers "<name>_insert",
    // "<name>_delete" and "<name>_update" go with it.
    QString name() const { return table + QStringLiteral("_search"); }
};

// The thirteen columns of the history search and the eight of the consignee search.
const SearchIndex &HistorySearchIndex();
const SearchIndex &ConsigneeSearchIndex();

// The statements that add the index to a database holding the table, filling
// it from the rows there; run them in one transaction.
QStringList CreateSearchIndexSql(const SearchIndex &index);

// The statements that take the index (or any part of it) out of a database;
// the table and its rows stay.
QStringList DropSearchIndexSql(const SearchIndex &index);

// True when the open database has the index.
bool HasSearchIndex(Database &db, const SearchIndex &index);

// Adds the index to the database at path unless it has it or lacks the table:
// one transaction, so an interruption leaves the database as it was and the
// next start tries again. The rows of the table are never touched.
// A long build is shown: started when a build begins, keepGoing asked now and
// then while it runs (false stops it and leaves the database as it was),
// finished when it has ended either way.
struct SearchIndexBuildObserver {
    std::function<void()> started;
    std::function<bool()> keepGoing;
    std::function<void()> finished;
    int steps = 100000; // engine steps between two keepGoing calls
};
DatabaseError AddSearchIndex(Database &db, const QString &path, const SearchIndex &index,
                             const SearchIndexBuildObserver &observer = {});

// A condition "<id> IN (...)" that holds for every row of the open database
// whose searched columns contain text as LIKE matches it (ASCII letters in
// either case), and for few others; empty when the database has no index or
// when the text is so common that reading every row is quicker.
QString SearchCandidates(Database &db, const SearchIndex &index, const QString &text);
