#pragma once
// Which column of a source CSV file goes into which of the 14 fields of the
// intermediate file, and whether the file's first row is a header. A mapping is
// remembered per edition so that the next file of the same shape needs no work.

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

class CsvColumnMapping
{
public:
    static constexpr int NoColumn = -1;

    // All fields unmapped, first row taken as a header.
    CsvColumnMapping();

    // The names of the 14 fields as the editor shows them.
    static const QStringList &fieldNames();

    // The source column (0-based) of field f (0-based); NoColumn when unmapped.
    int column(int field) const;
    void setColumn(int field, int column);
    bool isEmpty() const;

    bool firstRowIsHeader = true;

    // The 14 values of one source row (an unmapped field or a missing column is empty).
    QStringList apply(const QStringList &sourceRow) const;

    // The source rows that are data: all but the header when there is one.
    QVector<QStringList> dataRows(const QVector<QStringList> &sourceRows) const;

    // A first guess from the header's column names (お名前, 郵便番号, 住所, 電話 ...).
    static CsvColumnMapping guessFromHeader(const QStringList &header);

    // The mapping as one text (header flag, then the 14 columns and the header
    // names of the mapped columns) for the settings file, and back. fromText
    // gives an empty mapping for a text it cannot read.
    QString toText(const QStringList &header) const;
    static CsvColumnMapping fromText(const QString &text, const QStringList &header, int columnCount);

    bool operator==(const CsvColumnMapping &other) const
    {
        return m_columns == other.m_columns && firstRowIsHeader == other.firstRowIsHeader;
    }

private:
    std::array<int, 14> m_columns;
};
