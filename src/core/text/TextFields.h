#pragma once
// Field helpers that cut a text at a separator. Record lines, style lines,
// telephone numbers, dates and CSV lines are all taken apart with these; the
// helpers differ only in what they return for a field that does not exist.

#include <QString>

// Fields separated by ';', numbered from 1. A ';' is appended first, so for
// "x;y;z;" field 4 is empty. A field past the end (or n <= 0) gives the last field.
QString NthField(const QString &text, int n);

// As NthField, but a field that does not exist gives an empty text.
QString NthFieldOrEmpty(const QString &text, int n);

// Fields separated by ','. Only a field followed by ',' can be returned: for a
// field past the end the last such field is returned; text after the last ',' never is.
QString NthCommaField(const QString &text, int n);

// Telephone parts joined by '-': exactly n steps, each past the end yields empty.
QString NthDashField(const QString &text, int n);

// Date parts joined by '/': exactly n steps, each past the end yields empty.
QString NthSlashField(const QString &text, int n);

// Fields separated by an arbitrary separator; only a field followed by the
// separator can be returned, anything else gives an empty text.
QString NthSepField(const QString &text, const QString &separator, int n);

// Consumes the text before the first ';' of rest, together with the ';'. When
// rest holds no ';' the whole rest is returned and rest is left unchanged.
QString NextField(QString &rest);

// Consumes one ';'-terminated field as an integer; an empty field is 0. When rest
// holds no ';' it returns 0 and leaves rest unchanged. A field that is not a whole
// number sets *ok to false (and returns 0); otherwise *ok is set to true.
int NextIntField(QString &rest, bool *ok = nullptr);

// Parses a whole decimal number ("12", "-3", "+4"; surrounding blanks allowed).
// Anything else, including an empty text or one out of int range, is not a number.
bool ParseWholeNumber(const QString &text, int *value);

// The full-width forms of ASCII (U+FF01 to U+FF5E: digits, letters, signs, as
// a Japanese input method types them) as their ASCII characters; any other
// character stays as it is.
QChar NarrowChar(QChar c);
QString NarrowText(const QString &text);

// Removes every CR and LF, wherever they stand.
QString StripLineBreaks(const QString &text);
