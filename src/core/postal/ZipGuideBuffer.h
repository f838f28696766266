#pragma once
// The postal-code guide's result buffer: one fixed-width record per result row
// holding the postal code, prefecture, city and town area as code page 932 bytes
// of at most 7, 40, 60 and 80 bytes. A longer value is cut at a character
// boundary: a two-byte character that would not fit whole is left out whole.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <array>
#include <cstdint>

class ZipGuideBuffer
{
public:
    static constexpr int CodeBytes = 7;
    static constexpr int AreaBytes = 40;
    static constexpr int CityBytes = 60;
    static constexpr int LocationBytes = 80;

    // Empties the buffer (start of every search, closing the guide).
    void clear();
    // Adds one result row, cutting each value to its field width.
    void append(QStringView code, QStringView area, QStringView city, QStringView location);
    // Number of records.
    int size() const { return int(m_records.size()); }
    // Makes room for n records in advance.
    void reserve(int n) { m_records.reserve(n); }

    // Column 1 to 4 of record row (0-based) as the grid shows it: postal code,
    // prefecture, city, town area. Any other column, or a row that does not
    // exist, gives empty text.
    QString text(int row, int column) const;
    // The four columns of record row.
    QStringList rowTexts(int row) const;
    // The stored code page 932 bytes of column 1 to 4 of record row.
    QByteArray bytes(int row, int column) const;

    // Encodes text as code page 932, at most maxBytes bytes, never splitting a
    // two-byte character. Characters with no code page 932 form count as two
    // bytes and set *exact to false (the caller then keeps the text itself).
    static QByteArray CutToCp932(QStringView text, int maxBytes, bool *exact = nullptr);
    // As CutToCp932, but returns the kept text itself (for the rare value that
    // code page 932 cannot hold).
    static QString CutToWidth(QStringView text, int maxBytes);

private:
    struct Record {
        std::array<uint8_t, 4> length{};
        char code[CodeBytes];
        char area[AreaBytes];
        char city[CityBytes];
        char location[LocationBytes];
        int32_t exactIndex = -1; // index into m_exact when a value has no code page 932 form
    };

    const char *field(const Record &r, int column) const;

    QVector<Record> m_records;
    // Values that code page 932 cannot hold, kept as text cut to the same width,
    // so that a guide result never loses a character on its way to the caller.
    QVector<std::array<QString, 4>> m_exact;
};
