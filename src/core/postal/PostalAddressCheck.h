#pragma once
// Whether a postal code and the address written for it agree, judged against
// the national postal-code table held in memory: a carrier returns or delays a
// parcel whose code points elsewhere, so the list marks such consignees and
// the editors warn before saving one. The judgement never blocks anything.
//
// The prefecture and the city must be those the table gives for the code (the
// prefecture may be left out); when the table names a town for the code, the
// rest of the address must contain it. Both sides are compared in the usual
// variants: full-width and half-width letters, digits and hyphens, 「ヶ」「ケ」
// 「が」, 「ノ」「の」, kanji numerals and digits, 「丁目」「番地」「番」「号」 and
// a hyphen after a number, blanks anywhere, a district (郡) left out, and the
// 都/府/県 of a prefecture left out.

#include "core/data/DatabaseError.h"

#include <QHash>
#include <QString>
#include <QVector>

class Database;

// The seven digits of a postal code typed in any of the usual ways
// ("100-0001", "１００－０００１", "100 0001"); empty when it is not seven digits.
QString PostalCodeDigits(const QString &code);

// An address reduced to what the comparison looks at (see above). Exposed for
// tests and for the table's own keys.
QString AddressComparisonText(const QString &text);

class PostalAddressTable
{
public:
    struct Entry {
        QString area;    // the prefecture as the table writes it
        QString city;
        QString town;    // cleaned town area; empty when the code names none
        QString areaKey; // AddressComparisonText of each
        QString cityKey;
        QString townKey;
    };

    // Reads the whole table of the postal-code database in one query. A
    // missing or unreadable file is an error and leaves the table empty.
    DatabaseError load(Database &db, const QString &zipDbPath);
    // One line of the table; code is seven digits.
    void add(const QString &code, const QString &area, const QString &city, const QString &town);

    bool isEmpty() const { return m_entries.isEmpty(); }
    int codeCount() const { return int(m_entries.size()); }
    // The entries of a seven-digit code; null when the table has none.
    const QVector<Entry> *entries(const QString &digits) const;

private:
    // One copy of each prefecture and city and of its key: the table repeats
    // a few thousand names over its 150,000 lines.
    const QString &shared(const QString &text);

    QHash<int, QVector<Entry>> m_entries;
    QHash<QString, QString> m_names;
};

enum class PostalCheckResult {
    NotChecked,    // no code or no address to compare
    Matches,
    MalformedCode, // not seven digits
    UnknownCode,   // the table has no such code
    CityMismatch,  // the prefecture or the city is not the code's
    TownMismatch   // the city is right but the code's town is not in the address
};

struct PostalAddressCheck {
    PostalCheckResult result = PostalCheckResult::NotChecked;
    QString code;     // the seven digits, when the code had them
    QString expected; // what the table gives for the code: 「東京都千代田区千代田」, several joined by 「、」

    bool isMismatch() const { return result >= PostalCheckResult::MalformedCode; }
    // What the table expects, in one line for a tool tip or a message.
    QString explanation() const;
};

// Judges one code and one address (every address line joined, in order).
PostalAddressCheck CheckPostalAddress(const PostalAddressTable &table, const QString &code, const QString &address);
