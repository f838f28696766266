#pragma once
// Reads the fields of one style line from left to right, the way the drawing
// pass consumes them, and remembers the first field that should have been a
// number and was not. After a failure every further read returns a neutral
// value, so a drawer can read all its fields and check once.

#include "core/layout/Millimetre.h"

#include <QString>

class StyleLineReader
{
public:
    explicit StyleLineReader(const QString &line);

    // The next field as text. When no ';' is left, the rest of the line is
    // returned and not consumed, so further reads return the same last piece.
    QString text();
    // A decimal millimetre field. An empty field reads as 0, as style files
    // written by every earlier version expect (a Ver1.0 text item may leave
    // its font size empty); any other text that is not a number is an error.
    Millimetre decimal();
    // An integer field that must be a number; an empty field reads as 0.
    int requiredInt();
    // An integer field where an empty field counts as 0 and a missing one (no
    // ';' left) gives 0; anything else that is not a number is an error.
    int intOrZero();
    // An integer field that falls back to fallback when it is not a number.
    int intOr(int fallback);
    // As intOr for colours, which may be written beyond the int range.
    qint64 colour();
    // Skips a field.
    void skip();

    bool failed() const { return m_failed; }
    // 1-based number of the faulty field, and its text.
    int failedField() const { return m_failedField; }
    QString failedText() const { return m_failedText; }
    // Number of the field the next read takes.
    int nextFieldNumber() const { return m_field + 1; }

private:
    void fail(const QString &text);

    QString m_rest;
    int m_field = 0;
    bool m_failed = false;
    int m_failedField = 0;
    QString m_failedText;
};
