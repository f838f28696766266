#include "core/addressbook/PhraseStore.h"

#include "core/text/TextFields.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"

namespace {

// Phrase identifiers come from the grid; only numbers reach the statement.
bool phraseId(const QString &text, int *id)
{
    return ParseWholeNumber(text, id) && *id >= 0;
}

} // namespace

QVector<Phrase> PhraseStore::read()
{
    QVector<Phrase> phrases;
    if (m_db.OpenDatabase(m_membersDb).isError())
        return phrases;
    const QueryResult result = m_db.QueryRows(QStringLiteral("SELECT id,namae FROM ITEMS ORDER BY id;"));
    for (const QStringList &row : result.rows.rows())
        phrases.append({row.value(0), row.value(1)});
    return phrases;
}

bool PhraseStore::insert(const QString &text)
{
    if (m_db.OpenDatabase(m_membersDb).isError())
        return false;
    return !m_db.ExecSql(QStringLiteral("INSERT INTO ITEMS(NAMAE) VALUES(") + SqlQuote(StripLineBreaks(text)) + u')');
}

bool PhraseStore::update(const QString &id, const QString &text)
{
    int value = 0;
    if (!phraseId(id, &value) || m_db.OpenDatabase(m_membersDb).isError())
        return false;
    return !m_db.ExecSql(QStringLiteral("UPDATE ITEMS SET NAMAE=") + SqlQuote(StripLineBreaks(text)) +
                         QStringLiteral(" WHERE ID=") + QString::number(value));
}

bool PhraseStore::remove(const QString &id)
{
    int value = 0;
    if (!phraseId(id, &value) || m_db.OpenDatabase(m_membersDb).isError())
        return false;
    return !m_db.ExecSql(QStringLiteral("DELETE FROM ITEMs  WHERE ID=") + QString::number(value));
}
