#include "import/CsvColumnMapping.h"

#include "import/CsvImportFile.h"

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

QString CsvColumnMapping::toText(const QStringList &header) const
{
    QJsonArray columns;
    QJsonArray names;
    for (int c : m_columns) {
        columns.append(c);
        names.append(firstRowIsHeader && c >= 0 ? header.value(c) : QString());
    }
    QJsonObject object;
    object.insert(QStringLiteral("header"), firstRowIsHeader);
    object.insert(QStringLiteral("columns"), columns);
    object.insert(QStringLiteral("names"), names);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

CsvColumnMapping CsvColumnMapping::fromText(const QString &text, const QStringList &header, int columnCount)
{
    CsvColumnMapping mapping;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isObject())
        return mapping;
    const QJsonObject object = document.object();
    mapping.firstRowIsHeader = object.value(QStringLiteral("header")).toBool(true);
    const QJsonArray columns = object.value(QStringLiteral("columns")).toArray();
    const QJsonArray names = object.value(QStringLiteral("names")).toArray();
    for (int f = 0; f < CsvImportFieldCount; ++f) {
        // A column found by its header name wins: the same export with one
        // column added or moved still maps right.
        // A column still under its remembered name stays, so that of two
        // columns with the same name the one chosen is kept.
        const QString name = names.at(f).toString();
        const int c = columns.at(f).toInt(NoColumn);
        const bool unmoved = c >= 0 && c < columnCount && header.value(c) == name;
        const int byName = name.isEmpty() ? -1 : unmoved ? c : int(header.indexOf(name));
        if (mapping.firstRowIsHeader && byName >= 0) {
            mapping.setColumn(f, byName);
            continue;
        }
        if (c >= 0 && c < columnCount)
            mapping.setColumn(f, c);
    }
    return mapping;
}
