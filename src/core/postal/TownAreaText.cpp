#include "core/postal/TownAreaText.h"

#include <QRegularExpression>

namespace {

const QChar kOpen(0xFF08);  // （
const QChar kClose(0xFF09); // ）

} // namespace

QString CleanTownArea(const QString &town)
{
    if (town.contains(QStringLiteral("以下に掲載がない場合")) || town.endsWith(QStringLiteral("がくる場合")))
        return QString();
    if (town.endsWith(QStringLiteral("一円")) && town != QStringLiteral("一円"))
        return QString();

    // A floor of a building with its own codes is part of the address.
    static const QRegularExpression floor(QStringLiteral("（([0-9０-９]+階)）"));
    QString text = town;
    text.replace(floor, QStringLiteral("\\1"));

    const qsizetype open = text.indexOf(kOpen);
    const qsizetype close = text.indexOf(kClose);
    // The end of a note begun on an earlier line.
    if (close >= 0 && (open < 0 || close < open))
        return QString();
    if (open >= 0 && (TownAreaRunsOn(text) || text.endsWith(kClose)))
        return text.left(open);
    return text;
}

bool TownAreaRunsOn(const QString &town)
{
    return town.count(kOpen) > town.count(kClose);
}

bool PostalEntryJoiner::add(const NationalPostalEntry &entry, NationalPostalEntry *complete)
{
    if (m_hasPending && entry.code == m_pending.code && TownAreaRunsOn(m_pending.location)) {
        m_pending.location += entry.location;
        return false;
    }
    const bool done = finish(complete);
    m_pending = entry;
    m_hasPending = true;
    return done;
}

bool PostalEntryJoiner::finish(NationalPostalEntry *complete)
{
    if (!m_hasPending)
        return false;
    *complete = std::move(m_pending);
    complete->location = CleanTownArea(complete->location);
    m_pending = {};
    m_hasPending = false;
    return true;
}
