#pragma once
// Small text rules the editing dialogs share: postal codes in two boxes,
// telephone numbers and dates in three, and limits counted in characters.

#include <QString>

// Characters 1-3 of a stored postal code (the first box).
QString PostalPart1(const QString &code);
// Characters 4-7 of a stored postal code (the second box).
QString PostalPart2(const QString &code);
// The three telephone parts joined by '-' with two hyphens; empty when all
// three are empty, so a consignee without a number prints none rather than "--".
QString JoinTelephone(const QString &a, const QString &b, const QString &c);
// Year, month and day joined by '/', always with two slashes ("//" when all are empty).
QString JoinDate(const QString &year, const QString &month, const QString &day);
// The number of characters as the user sees them: a character outside the
// basic plane (𠮷, an emoji) counts once, not as its two UTF-16 halves.
int CharacterCount(const QString &text);
// True when text is a whole decimal record identifier (digits only, at least one),
// the only form an identifier may take inside SQL text.
bool IsRecordId(const QString &text);
