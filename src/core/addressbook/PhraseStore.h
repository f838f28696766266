#pragma once
// The phrase list (table ITEMS of the member-item database): short texts for
// item names and message lines, read and maintained by the phrase list dialog.

#include <QString>
#include <QVector>

class Database;

struct Phrase {
    QString id;
    QString text;
};

class PhraseStore
{
public:
    PhraseStore(Database &db, const QString &membersDb) : m_db(db), m_membersDb(membersDb) {}

    // Every phrase in the order the table returns them.
    QVector<Phrase> read();
    // Adds a phrase (an empty one too); true when it was written.
    bool insert(const QString &text);
    // Replaces the text of phrase id; true when it was written.
    bool update(const QString &id, const QString &text);
    // Deletes phrase id; true when it was deleted.
    bool remove(const QString &id);

private:
    Database &m_db;
    QString m_membersDb;
};
