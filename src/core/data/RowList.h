#pragma once
// The rows a query returned: one list of column texts per row, in the engine's
// order. Values keep every character, ';' included; the ';'-terminated line of
// a row is only a view for code that cuts lines with NthField.

#include <QString>
#include <QStringList>
#include <QVector>

class RowList
{
public:
    // Number of rows.
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The column texts of row i (0-based); an empty list for a row that does not exist.
    QStringList row(int i) const { return i >= 0 && i < size() ? m_rows.at(i) : QStringList(); }
    // Column c (0-based) of row i; empty text when either does not exist.
    QString value(int i, int c) const { return row(i).value(c); }
    // Row i as one line: every column followed by ';' ("7;山田;;").
    QString line(int i) const;
    // Every row as such a line.
    QStringList lines() const;

    // Adds one row at the end.
    void append(const QStringList &columns) { m_rows.append(columns); }
    // Removes every row.
    void clear() { m_rows.clear(); }
    const QVector<QStringList> &rows() const { return m_rows; }

private:
    QVector<QStringList> m_rows;
};
