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

    // The mapping as one text (header flag, the file's number of columns, then
    // the 14 columns and the header names of the mapped columns) for the
    // settings file. columnCount defaults to the header's size.
    QString toText(const QStringList &header, int columnCount = -1) const;

    // The remembered choices that still mean the same in a file whose first
    // row is firstRow: with a header, a choice applies only where a column of
    // its remembered name exists; without one, the positions apply only to a
    // file with the same number of columns. Everything else is unmapped, and a
    // text that cannot be read gives an empty mapping.
    static CsvColumnMapping fromText(const QString &text, const QStringList &firstRow, int columnCount);

    // The mapping a newly opened file starts with: the remembered choices that
    // apply (fromText), with a guess from the header for each field whose
    // remembered column is missing; when none of them applies, the guess
    // alone. A field the user chose not to import stays out.
    static CsvColumnMapping restore(const QString &text, const QStringList &firstRow, int columnCount);

    bool operator==(const CsvColumnMapping &other) const
    {
        return m_columns == other.m_columns && firstRowIsHeader == other.firstRowIsHeader;
    }

private:
    std::array<int, 14> m_columns;
};
