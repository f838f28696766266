#include "core/postal/PostalAddressCheck.h"

#include "core/data/Database.h"
#include "core/postal/NationalPostalCsv.h"
#include "core/postal/TownAreaText.h"

#include <QStringList>

namespace {

int KanjiDigit(char16_t c)
{
    switch (c) {
    case u'〇': return 0;
    case u'一': return 1;
    case u'二': return 2;
    case u'三': return 3;
    case u'四': return 4;
    case u'五': return 5;
    case u'六': return 6;
    case u'七': return 7;
    case u'八': return 8;
    case u'九': return 9;
    default: return -1;
    }
}

int KanjiUnit(char16_t c)
{
    switch (c) {
    case u'十': return 10;
    case u'百': return 100;
    case u'千': return 1000;
    default: return 0;
    }
}

bool IsKanjiNumeral(char16_t c)
{
    return KanjiDigit(c) >= 0 || KanjiUnit(c) > 0;
}

// A run of kanji numerals as its value: 「十」 10, 「二十三」 23, 「百五」 105,
// and the digit-by-digit 「二〇」 20.
qint64 KanjiNumber(QStringView run)
{
    qint64 total = 0;
    qint64 digits = 0;
    bool haveDigits = false;
    for (QChar ch : run) {
        const int unit = KanjiUnit(ch.unicode());
        if (unit > 0) {
            total += (haveDigits ? digits : 1) * unit;
            digits = 0;
            haveDigits = false;
        } else {
            digits = digits * 10 + KanjiDigit(ch.unicode());
            haveDigits = true;
        }
    }
    return total + digits;
}

bool IsDash(char16_t c)
{
    return c == u'-' || (c >= 0x2010 && c <= 0x2015) || c == 0x2212 || c == u'ー' || c == u'－';
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// First pass: width and kana variants folded, blanks dropped, kanji numerals as digits.
QString FoldCharacters(const QString &text)
{
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    QString out;
    out.reserve(folded.size());
    for (qsizetype i = 0; i < folded.size();) {
        const char16_t c = folded.at(i).unicode();
        if (IsKanjiNumeral(c)) {
            qsizetype end = i;
            while (end < folded.size() && IsKanjiNumeral(folded.at(end).unicode()))
                ++end;
            out += QString::number(KanjiNumber(QStringView(folded).mid(i, end - i)));
            i = end;
            continue;
        }
        ++i;
        if (QChar::isSpace(c))
            continue;
        switch (c) {
        case u'ヶ':
        case u'ヵ':
        case u'が':
        case u'ガ': out += QChar(u'ケ'); break;
        case u'ノ': out += QChar(u'の'); break;
        default: out += QChar(c);
        }
    }
    out.remove(QStringLiteral("大字"));
    return out;
}

} // namespace

QString PostalCodeDigits(const QString &code)
{
    QString digits;
    for (QChar ch : code.normalized(QString::NormalizationForm_KC)) {
        if (IsAsciiDigit(ch))
            digits += ch;
        else if (!ch.isSpace() && !IsDash(ch.unicode()))
            return QString();
    }
    return digits.size() == 7 ? digits : QString();
}

QString AddressComparisonText(const QString &text)
{
    const QString folded = FoldCharacters(text);
    // Second pass: what follows a number. 「一丁目」「1丁目」「1-」 and 「3番地」
    // 「3番」「3-」 are the same place; so are 「5の2」 and 「5-2」.
    QString out;
    out.reserve(folded.size());
    auto dash = [&out] {
        if (!out.endsWith(QLatin1Char('-')))
            out += QLatin1Char('-');
    };
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const QChar ch = folded.at(i);
        const bool afterNumber = !out.isEmpty() && (IsAsciiDigit(out.back()) || out.back() == QLatin1Char('-'));
        if (afterNumber) {
            const QStringView rest = QStringView(folded).mid(i);
            if (rest.startsWith(u"丁目") || rest.startsWith(u"番地")) {
                dash();
                ++i;
                continue;
            }
            if (ch == QChar(u'番') || ch == QChar(u'号') || IsDash(ch.unicode())) {
                dash();
                continue;
            }
            if (ch == QChar(u'の') && i + 1 < folded.size() && IsAsciiDigit(folded.at(i + 1))) {
                dash();
                continue;
            }
        }
        out += ch;
    }
    while (out.endsWith(QLatin1Char('-')))
        out.chop(1);
    return out;
}

const QString &PostalAddressTable::shared(const QString &text)
{
    auto it = m_names.constFind(text);
    if (it == m_names.constEnd())
        it = m_names.insert(text, text);
    return it.value();
}

void PostalAddressTable::add(const QString &code, const QString &area, const QString &city, const QString &town)
{
    bool ok = false;
    const int key = code.toInt(&ok);
    if (!ok || code.size() != 7)
        return;
    Entry entry;
    entry.area = shared(area);
    entry.city = shared(city);
    entry.town = town;
    entry.areaKey = shared(AddressComparisonText(area));
    entry.cityKey = shared(AddressComparisonText(city));
    entry.townKey = AddressComparisonText(town);
    m_entries[key].append(std::move(entry));
}

const QVector<PostalAddressTable::Entry> *PostalAddressTable::entries(const QString &digits) const
{
    bool ok = false;
    const int key = digits.toInt(&ok);
    if (!ok || digits.size() != 7)
        return nullptr;
    const auto it = m_entries.constFind(key);
    return it == m_entries.constEnd() ? nullptr : &it.value();
}

DatabaseError PostalAddressTable::load(Database &db, const QString &zipDbPath)
{
    m_entries.clear();
    m_names.clear();
    DatabaseError error = db.OpenDatabase(zipDbPath, Database::OpenMode::ExistingOnly);
    if (error.isError())
        return error;
    // Town areas of an older table may still run on over several rows; they
    // are joined and cleaned as the lookup does.
    PostalEntryJoiner joiner;
    NationalPostalEntry complete;
    error = db.ForEachRow(QStringLiteral("SELECT ZIP_CODE,AREA,CITY,LOCATION FROM zipcode ORDER BY ID;"),
                          [&](const StoreRow &row) {
                              const NationalPostalEntry entry{row.columnText(0).toString(), row.columnText(1).toString(),
                                                              row.columnText(2).toString(),
                                                              row.columnText(3).toString()};
                              if (joiner.add(entry, &complete))
                                  add(complete.code, complete.area, complete.city, complete.location);
                          });
    if (joiner.finish(&complete))
        add(complete.code, complete.area, complete.city, complete.location);
    if (error.isError()) {
        m_entries.clear();
        m_names.clear();
    }
    return error;
}

namespace {

// The address after the city when it opens with the entry's city, with or
// without its prefecture (or the prefecture's 都/府/県) and district; false otherwise.
bool AfterCity(const QString &address, const PostalAddressTable::Entry &entry, QStringView *rest)
{
    QStringView starts[3] = {QStringView(address)};
    int startCount = 1;
    if (!entry.areaKey.isEmpty() && address.startsWith(entry.areaKey))
        starts[startCount++] = QStringView(address).mid(entry.areaKey.size());
    const QStringView shortArea = QStringView(entry.areaKey).chopped(entry.areaKey.isEmpty() ? 0 : 1);
    if (entry.areaKey.size() > 2 && QStringLiteral("都府県").contains(entry.areaKey.back())
        && address.startsWith(shortArea))
        starts[startCount++] = QStringView(address).mid(shortArea.size());
    const qsizetype district = entry.cityKey.indexOf(QChar(u'郡'));
    const QStringView cities[2] = {QStringView(entry.cityKey),
                                   district > 0 ? QStringView(entry.cityKey).mid(district + 1) : QStringView()};
    for (int s = 0; s < startCount; ++s)
        for (QStringView city : cities)
            if (!city.isEmpty() && starts[s].startsWith(city)) {
                *rest = starts[s].mid(city.size());
                return true;
            }
    return false;
}

QString ExpectedText(const QVector<PostalAddressTable::Entry> &entries)
{
    QStringList places;
    for (const PostalAddressTable::Entry &e : entries) {
        const QString place = e.area + e.city + e.town;
        if (!places.contains(place))
            places << place;
    }
    constexpr int shown = 3;
    if (places.size() > shown) {
        places = places.mid(0, shown);
        places.last() += QStringLiteral(" ほか");
    }
    return places.join(QStringLiteral("、"));
}

} // namespace

PostalAddressCheck CheckPostalAddress(const PostalAddressTable &table, const QString &code, const QString &address)
{
    PostalAddressCheck check;
    const QString key = AddressComparisonText(address);
    if (code.trimmed().isEmpty() || key.isEmpty())
        return check;
    check.code = PostalCodeDigits(code);
    if (check.code.isEmpty()) {
        check.result = PostalCheckResult::MalformedCode;
        return check;
    }
    const QVector<PostalAddressTable::Entry> *entries = table.entries(check.code);
    if (!entries) {
        check.result = PostalCheckResult::UnknownCode;
        return check;
    }
    bool cityMatched = false;
    for (const PostalAddressTable::Entry &entry : *entries) {
        QStringView rest;
        if (!AfterCity(key, entry, &rest))
            continue;
        cityMatched = true;
        // An address that stops at the city, and a code for which the table
        // names no town, have nothing more to compare.
        if (entry.townKey.isEmpty() || rest.isEmpty() || rest.contains(entry.townKey)) {
            check.result = PostalCheckResult::Matches;
            return check;
        }
    }
    check.result = cityMatched ? PostalCheckResult::TownMismatch : PostalCheckResult::CityMismatch;
    check.expected = ExpectedText(*entries);
    return check;
}

QString PostalAddressCheck::explanation() const
{
    const QString shownCode = code.size() == 7 ? code.left(3) + QLatin1Char('-') + code.mid(3) : code;
    switch (result) {
    case PostalCheckResult::MalformedCode: return QStringLiteral("郵便番号が7桁の数字ではありません");
    case PostalCheckResult::UnknownCode:
        return QStringLiteral("郵便番号 %1 は郵便番号データにありません").arg(shownCode);
    case PostalCheckResult::CityMismatch:
    case PostalCheckResult::TownMismatch:
        return QStringLiteral("郵便番号 %1 の住所は「%2」です").arg(shownCode, expected);
    case PostalCheckResult::NotChecked:
    case PostalCheckResult::Matches: break;
    }
    return QString();
}
