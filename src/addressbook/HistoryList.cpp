#include "addressbook/HistoryList.h"

#include "addressbook/ConsigneeRows.h"
#include "addressbook/HistoryColumns.h"
#include "app/TextFields.h"
#include "data/DateText.h"
#include "data/SqliteStatement.h"
#include "data/TDataModule1.h"

#include <QDate>
#include <algorithm>
#include <vector>

namespace {

// The columns of the SELECT, in the order ReadHistoryList takes them.
enum SelectColumn {
    ColId, ColDate, ColName, ColAddress1, ColAddress2, ColAddress3, ColTel, ColUriage, ColNumber,
    ColItem1, ColItem2, ColItem3, ColItem4, ColArrivedate, ColHoken, ColUserid
};

// The sort column of each grid column 1..9; column 6 depends on the edition.
QString sortColumn(int column, int editionCode)
{
    switch (column) {
    case 1: return QStringLiteral("id");
    case 2: return QStringLiteral("senderdate");
    case 3: return QStringLiteral("namae1");
    case 4: return QStringLiteral("address1");
    case 5: return QStringLiteral("tel");
    case 6:
        if (editionCode == 10 || editionCode == 30)
            return QStringLiteral("uriage");
        if (editionCode == 20 || editionCode == 40 || editionCode == 50)
            return QStringLiteral("arrivedate");
        return QString();
    case 7: return QStringLiteral("number");
    case 8: return QStringLiteral("itemname1");
    case 9: return QStringLiteral("userid");
    default: return QString();
    }
}

// True for a send date stored as the writer stores it, "yyyy-MM-dd", with a
// valid date: shown as "yyyy/MM/dd" without any conversion.
bool isWrittenDate(QStringView stored)
{
    if (stored.size() != 10 || stored[4] != u'-' || stored[7] != u'-')
        return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (stored[i] < u'0' || stored[i] > u'9')
            return false;
    auto number = [&stored](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i)
            value = value * 10 + (stored[i].unicode() - u'0');
        return value;
    };
    return QDate::isValid(number(0, 4), number(5, 2), number(8, 2));
}

// Drops every pair of c from text (left to right, as QString::remove of the
// doubled character does) and returns the new length.
qsizetype removeDoubled(QChar *text, qsizetype length, QChar c)
{
    qsizetype kept = 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (text[i] == c && i + 1 < length && text[i + 1] == c) {
            ++i;
            continue;
        }
        text[kept++] = text[i];
    }
    return kept;
}

// Which stored column column 6 shows in an edition; -1 for none.
int column6Source(int editionCode)
{
    if (editionCode == 10 || editionCode == 30)
        return ColUriage;
    if (editionCode == 20 || editionCode == 40 || editionCode == 50)
        return ColArrivedate;
    return -1;
}

// Column 6 made from its stored text in place; returns the new length. Dates
// are entered as month and day with an empty year ("/12/24"): the empty year
// goes, a year that was entered stays.
qsizetype shapeColumn6(int editionCode, QChar *text, qsizetype length)
{
    if (column6Source(editionCode) == ColArrivedate && length > 0 && text[0] == u'/') {
        std::copy(text + 1, text + length, text);
        --length;
    }
    length = removeDoubled(text, length, u'/');
    if (length == 1 && (text[0] == u'/' || text[0] == u'0'))
        return 0;
    return length;
}

// Makes list rows from result rows of the history SELECT. Each row is copied
// from the engine's own UTF-16 texts into one scratch buffer and kept as one
// string: no per-column strings.
class HistoryRowMaker
{
public:
    explicit HistoryRowMaker(int editionCode) : m_editionCode(editionCode), m_column6(column6Source(editionCode)) {}

    HistoryListRow operator()(const SqliteStatement &s)
    {
        QStringView in[ColUserid + 1];
        qsizetype bound = 3; // the spaces between the item names
        for (int c = 0; c <= ColUserid; ++c) {
            if (c == ColHoken || (c == ColUriage && m_column6 != ColUriage)
                || (c == ColArrivedate && m_column6 != ColArrivedate))
                continue;
            in[c] = s.columnText(c);
            bound += in[c].size();
        }
        // Any other form of send date goes through the general conversion.
        const bool quickDate = isWrittenDate(in[ColDate]);
        const QString otherDate = quickDate ? QString() : DisplayDateText(in[ColDate].toString());
        bound += otherDate.size();
        if (m_scratch.size() < size_t(bound))
            m_scratch.resize(size_t(bound) * 2 + 64);
        QChar *const begin = m_scratch.data();
        QChar *out = begin;
        int ends[HistoryListRow::ColumnCount];
        auto end = [&](HistoryListRow::Column c) { ends[c] = int(out - begin); };
        auto copy = [&](int c) { out = std::copy(in[c].begin(), in[c].end(), out); };

        copy(ColId);
        end(HistoryListRow::Id);
        if (quickDate) {
            for (int i = 0; i < 10; ++i)
                *out++ = i == 4 || i == 7 ? QChar(u'/') : in[ColDate][i];
        } else {
            out = std::copy(otherDate.cbegin(), otherDate.cend(), out);
        }
        end(HistoryListRow::Date);
        copy(ColName);
        end(HistoryListRow::Name);
        copy(ColAddress1);
        copy(ColAddress2);
        copy(ColAddress3);
        end(HistoryListRow::Address);
        QChar *const tel = out;
        copy(ColTel);
        out = tel + removeDoubled(tel, out - tel, u'-');
        end(HistoryListRow::Tel);
        if (m_column6 >= 0) {
            QChar *const shown = out;
            copy(m_column6);
            out = shown + shapeColumn6(m_editionCode, shown, out - shown);
        }
        end(HistoryListRow::Column6);
        copy(ColNumber);
        end(HistoryListRow::Number);
        for (int c = ColItem1; c <= ColItem4; ++c) {
            if (c != ColItem1)
                *out++ = u' ';
            copy(c);
        }
        end(HistoryListRow::Items);
        copy(ColUserid);
        end(HistoryListRow::Userid);
        return HistoryListRow(QString(begin, out - begin), ends);
    }

private:
    int m_editionCode;
    int m_column6;
    std::vector<QChar> m_scratch;
};

// The edition's rows in the order of sortState, sorted by the engine. Sorting
// whole rows costs the engine several times what sorting their identifiers
// does (every text of every row goes through its sorter), so it sorts the
// identifiers alone and the rows are then read in identifier order, which
// needs no sorting, and put in their places. One read transaction keeps both
// reads on the same rows.
DatabaseError readSorted(TDataModule1 &db, int editionCode, int sortState, HistoryRowMaker &make,
                         QVector<HistoryListRow> *rows)
{
    const bool ownTransaction = !db.BeginTransaction();
    struct Place {
        qint64 id;
        int position;
    };
    std::vector<Place> places;
    const QString kind = QStringLiteral("'") + QString::number(editionCode) + QStringLiteral("'");
    DatabaseError e = db.ForEachRow(QStringLiteral("SELECT id FROM sender where kind=") + kind
                                        + HistoryOrderClause(sortState, editionCode) + u';',
                                    [&](const SqliteStatement &s) {
                                        places.push_back({s.columnText(0).toLongLong(), int(places.size())});
                                    });
    if (!e.isError()) {
        std::sort(places.begin(), places.end(), [](const Place &a, const Place &b) { return a.id < b.id; });
        QVector<HistoryListRow> placed(qsizetype(places.size()));
        std::vector<bool> filled(places.size(), false);
        size_t filledCount = 0;
        auto next = places.cbegin();
        e = db.ForEachRow(HistorySelectSql(editionCode, HistoryIdAscending, QString()), [&](const SqliteStatement &s) {
            const qint64 id = s.columnText(ColId).toLongLong();
            while (next != places.cend() && next->id < id)
                ++next;
            if (next == places.cend() || next->id != id)
                return;
            placed[next->position] = make(s);
            filled[size_t(next->position)] = true;
            ++filledCount;
        });
        if (filledCount == places.size()) {
            *rows = std::move(placed);
        } else {
            for (qsizetype i = 0; i < placed.size(); ++i)
                if (filled[size_t(i)])
                    rows->append(std::move(placed[i]));
        }
    }
    if (ownTransaction)
        db.Commit();
    return e;
}

} // namespace

QString HistoryOrderClause(int sortState, int editionCode)
{
    const bool ascending = sortState >= 11 && sortState <= 19;
    const int column = ascending ? sortState - 10 : sortState;
    const QString name = sortColumn(column, editionCode);
    if (name.isEmpty())
        return QString();
    return QStringLiteral(" order by ") + name + (ascending ? QStringLiteral(" asc") : QStringLiteral(" desc"));
}

QString HistorySelectSql(int editionCode, int sortState, const QString &searchText)
{
    QString sql = QStringLiteral("SELECT id,senderdate,namae1,address1,address2,address3,tel,uriage,number,"
                                 "itemname1,itemname2,itemname3,itemname4,arrivedate,hoken,userid FROM sender");
    const QString kind = QStringLiteral("'") + QString::number(editionCode) + QStringLiteral("'");
    if (searchText.isEmpty())
        return sql + QStringLiteral(" where kind=") + kind + HistoryOrderClause(sortState, editionCode) + u';';

    // The text is data: quotes and the wildcards "%" and "_" in it match themselves.
    const QString pattern = ContainsPattern(StripLineBreaks(searchText)) + QStringLiteral(" escape '\\'");
    static const char *const columns[] = {"namae1",   "namae2",   "zipcode", "address1",  "address2",
                                          "address3", "tel",      "number",  "charge",    "itemname1",
                                          "itemname2", "itemname3", "itemname4"};
    QStringList conditions;
    for (const char *column : columns)
        conditions << QLatin1String(column) + QStringLiteral(" like ") + pattern;
    sql += QStringLiteral(" where (kind=") + kind + QStringLiteral(") and (") + conditions.join(QStringLiteral(" or "))
           + QStringLiteral(")  order by id desc,senderdate desc;");
    return sql;
}

QString HistoryColumn6Text(int editionCode, const QString &uriage, const QString &arrivedate)
{
    const int source = column6Source(editionCode);
    QString text = source == ColUriage ? uriage : source == ColArrivedate ? arrivedate : QString();
    text.truncate(shapeColumn6(editionCode, text.data(), text.size()));
    return text;
}

HistoryListRow::HistoryListRow(QString texts, const int (&ends)[ColumnCount]) : m_texts(std::move(texts))
{
    std::copy(std::begin(ends), std::end(ends), std::begin(m_end));
}

QVector<HistoryListRow> ReadHistoryList(TDataModule1 &db, const QString &membersDb, int editionCode, int sortState,
                                        const QString &searchText, DatabaseError *error)
{
    QVector<HistoryListRow> rows;
    DatabaseError failure = db.OpenDatabase(membersDb);
    if (!failure.isError()) {
        HistoryRowMaker make(editionCode);
        const QString order = HistoryOrderClause(sortState, editionCode);
        // The search and the identifier orders need no sorting of whole rows.
        const bool byId = order.isEmpty() || order.startsWith(QStringLiteral(" order by id "));
        if (!searchText.isEmpty() || byId) {
            failure = db.ForEachRow(HistorySelectSql(editionCode, sortState, searchText),
                                    [&](const SqliteStatement &s) { rows.append(make(s)); });
        } else {
            failure = readSorted(db, editionCode, sortState, make, &rows);
        }
    }
    if (error)
        *error = failure;
    return rows;
}
