#include "core/import/CsvColumnMapping.h"

#include "core/import/CsvImportFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

CsvColumnMapping::CsvColumnMapping()
{
    m_columns.fill(NoColumn);
}

const QStringList &CsvColumnMapping::fieldNames()
{
    static const QStringList names = {
        QStringLiteral("名前1"),     QStringLiteral("名前2"),    QStringLiteral("郵便番号"),
        QStringLiteral("都道府県（または住所全体）"), QStringLiteral("市区"), QStringLiteral("番地"),
        QStringLiteral("建物名称"),  QStringLiteral("電話番号"), QStringLiteral("備考"),
        QStringLiteral("金額"),      QStringLiteral("商品名1"),  QStringLiteral("商品名2"),
        QStringLiteral("商品名3"),   QStringLiteral("商品名4"),
    };
    return names;
}

int CsvColumnMapping::column(int field) const
{
    return field >= 0 && field < CsvImportFieldCount ? m_columns[size_t(field)] : NoColumn;
}

void CsvColumnMapping::setColumn(int field, int column)
{
    if (field >= 0 && field < CsvImportFieldCount)
        m_columns[size_t(field)] = column >= 0 ? column : NoColumn;
}

bool CsvColumnMapping::isEmpty() const
{
    for (int c : m_columns)
        if (c != NoColumn)
            return false;
    return true;
}

QStringList CsvColumnMapping::apply(const QStringList &sourceRow) const
{
    QStringList values;
    values.reserve(CsvImportFieldCount);
    for (int c : m_columns)
        values.append(c >= 0 ? sourceRow.value(c) : QString());
    return values;
}

QVector<QStringList> CsvColumnMapping::dataRows(const QVector<QStringList> &sourceRows) const
{
    if (firstRowIsHeader && !sourceRows.isEmpty())
        return sourceRows.mid(1);
    return sourceRows;
}

CsvColumnMapping CsvColumnMapping::guessFromHeader(const QStringList &header)
{
    // Words that name each field in the exports shops commonly get, most specific first.
    struct Rule {
        int field;
        QStringList words;
    };
    const Rule rules[] = {
        {2, {QStringLiteral("郵便"), QStringLiteral("〒"), QStringLiteral("zip")}},
        {7, {QStringLiteral("電話"), QStringLiteral("TEL"), QStringLiteral("phone")}},
        {3, {QStringLiteral("都道府県"), QStringLiteral("住所1"), QStringLiteral("住所")}},
        {4, {QStringLiteral("市区"), QStringLiteral("住所2")}},
        {5, {QStringLiteral("番地"), QStringLiteral("住所3")}},
        {6, {QStringLiteral("建物"), QStringLiteral("ビル"), QStringLiteral("住所4")}},
        {1, {QStringLiteral("名前2"), QStringLiteral("氏名2"), QStringLiteral("会社"), QStringLiteral("部署")}},
        {0, {QStringLiteral("名前1"), QStringLiteral("氏名1"), QStringLiteral("お届け先名"),
             QStringLiteral("氏名"), QStringLiteral("名前"), QStringLiteral("宛名"), QStringLiteral("name")}},
        {8, {QStringLiteral("備考"), QStringLiteral("メモ")}},
        {9, {QStringLiteral("金額"), QStringLiteral("代金"), QStringLiteral("合計")}},
        {10, {QStringLiteral("商品名1"), QStringLiteral("品名1"), QStringLiteral("商品名"), QStringLiteral("品名")}},
        {11, {QStringLiteral("商品名2"), QStringLiteral("品名2")}},
        {12, {QStringLiteral("商品名3"), QStringLiteral("品名3")}},
        {13, {QStringLiteral("商品名4"), QStringLiteral("品名4")}},
    };
    CsvColumnMapping mapping;
    mapping.firstRowIsHeader = true;
    QVector<bool> used(header.size(), false);
    for (const Rule &rule : rules) {
        for (const QString &word : rule.words) {
            int found = NoColumn;
            for (int c = 0; c < header.size() && found == NoColumn; ++c)
                if (!used[c] && header.at(c).contains(word, Qt::CaseInsensitive))
                    found = c;
            if (found != NoColumn) {
                mapping.setColumn(rule.field, found);
                used[found] = true;
                break;
            }
        }
    }
    return mapping;
}

namespace {

// A mapping text as the settings file holds it.
struct RememberedMapping {
    bool readable = false;
    bool header = true;
    int columnCount = -1; // -1 in texts written before the count was kept
    std::array<int, CsvImportFieldCount> columns;
    QStringList names;
};

RememberedMapping readRemembered(const QString &text)
{
    RememberedMapping r;
    r.columns.fill(CsvColumnMapping::NoColumn);
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isObject())
        return r;
    const QJsonObject object = document.object();
    r.readable = true;
    r.header = object.value(QStringLiteral("header")).toBool(true);
    r.columnCount = object.value(QStringLiteral("count")).toInt(-1);
    const QJsonArray columns = object.value(QStringLiteral("columns")).toArray();
    const QJsonArray names = object.value(QStringLiteral("names")).toArray();
    for (int f = 0; f < CsvImportFieldCount; ++f) {
        r.columns[size_t(f)] = columns.at(f).toInt(CsvColumnMapping::NoColumn);
        r.names.append(names.at(f).toString());
    }
    return r;
}

// A header name as the settings file keeps it. Qt's JSON writer drops U+FEFF,
// which a header cell carries when two exports were joined into one file, so
// names are stored and compared without it.
QString storedName(const QString &name)
{
    QString stored = name;
    stored.remove(QChar(0xFEFF));
    return stored;
}

// The column of field f's remembered name in header; -1 when the name is not
// there. A column still under its remembered name stays, so that of two
// columns with the same name the one chosen is kept.
int columnByName(const RememberedMapping &r, int f, const QStringList &header)
{
    const QString &name = r.names.at(f);
    if (name.isEmpty())
        return -1;
    const int c = r.columns[size_t(f)];
    if (c >= 0 && c < header.size() && storedName(header.at(c)) == name)
        return c;
    for (int column = 0; column < header.size(); ++column)
        if (storedName(header.at(column)) == name)
            return column;
    return -1;
}

} // namespace

QString CsvColumnMapping::toText(const QStringList &header, int columnCount) const
{
    QJsonArray columns;
    QJsonArray names;
    for (int c : m_columns) {
        columns.append(c);
        names.append(firstRowIsHeader && c >= 0 ? storedName(header.value(c)) : QString());
    }
    QJsonObject object;
    object.insert(QStringLiteral("header"), firstRowIsHeader);
    object.insert(QStringLiteral("count"), columnCount >= 0 ? columnCount : int(header.size()));
    object.insert(QStringLiteral("columns"), columns);
    object.insert(QStringLiteral("names"), names);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

CsvColumnMapping CsvColumnMapping::fromText(const QString &text, const QStringList &firstRow, int columnCount)
{
    const RememberedMapping r = readRemembered(text);
    CsvColumnMapping mapping;
    if (!r.readable)
        return mapping;
    mapping.firstRowIsHeader = r.header;
    for (int f = 0; f < CsvImportFieldCount; ++f) {
        if (r.header) {
            // A column found by its header name: the same export with a column
            // added or moved still maps right, and another export maps nothing
            // by accident.
            mapping.setColumn(f, columnByName(r, f, firstRow));
        } else if (r.columnCount == columnCount) {
            // Without names only the shape tells whether a position still
            // holds the same thing.
            const int c = r.columns[size_t(f)];
            if (c >= 0 && c < columnCount)
                mapping.setColumn(f, c);
        }
    }
    return mapping;
}

CsvColumnMapping CsvColumnMapping::restore(const QString &text, const QStringList &firstRow, int columnCount)
{
    const CsvColumnMapping guess = guessFromHeader(firstRow);
    const RememberedMapping r = readRemembered(text);
    CsvColumnMapping mapping = fromText(text, firstRow, columnCount);
    if (mapping.isEmpty())
        return guess;
    if (!r.header)
        return mapping;
    // Fields whose remembered column is missing from this file take the
    // guess, unless a remembered choice already took that column.
    QVector<bool> used(qMax(columnCount, int(firstRow.size())), false);
    for (int c : mapping.m_columns)
        if (c >= 0 && c < used.size())
            used[c] = true;
    for (int f = 0; f < CsvImportFieldCount; ++f) {
        if (r.names.at(f).isEmpty() || mapping.column(f) != NoColumn)
            continue;
        const int g = guess.column(f);
        if (g >= 0 && g < used.size() && !used[g]) {
            mapping.setColumn(f, g);
            used[g] = true;
        }
    }
    return mapping;
}
