#pragma once
// Pasted text is trimmed the way the marketplace mails and labelled lists were
// always trimmed: only characters with a code of 32 or less count as blanks, so
// an ideographic space (U+3000) that belongs to a name is kept.

#include <QString>

// Removes leading and trailing characters whose code is 32 or less.
QString TrimBlanks(const QString &text);

// A blank in a telephone number or around a prefecture: a character whose code
// is 32 or less, or the ideographic space, which never belongs to either.
bool IsWideBlank(QChar c);

// Removes leading and trailing wide blanks.
QString TrimWideBlanks(const QString &text);
