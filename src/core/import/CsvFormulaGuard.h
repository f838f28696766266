#pragma once
// Keeping a spreadsheet from running a value of the program's CSV files as a
// formula. A spreadsheet opening a CSV file takes a cell that begins with =,
// +, -, @, a tab or a carriage return for a formula (「=HYPERLINK(...)」 from
// an imported order would be a live link), so such a value is written with an
// apostrophe in front, which the spreadsheet shows as a text mark. The
// program's own CSV reader takes the apostrophe off again, and the rule is
// made so that every value comes back exactly as it went out:
//
//   out: a value whose leading apostrophes (none or more) are followed by one
//        of those characters gets one apostrophe more in front
//        (「=1+1」 → 「'=1+1」, 「'=1+1」 → 「''=1+1」);
//   in:  a value whose leading apostrophes (one or more) are followed by one
//        of those characters loses one (「''=1+1」 → 「'=1+1」).
//
// A value that begins with an apostrophe followed by anything else is left as
// it is both ways. A negative number (「-500」, 「-1.5」) and a lone 「-」
// (what a clerk types for "none" in a telephone or amount box) are written
// bare: a spreadsheet reads them as the number or the text they are, runs
// nothing, and an amount column stays a column of numbers. They begin with no
// apostrophe, so the reader leaves them alone and the round trip stays exact.

#include <QString>
#include <QStringView>

// True when value is written with an apostrophe in front.
bool NeedsCsvFormulaGuard(QStringView value);

// The value as it is written: with the apostrophe in front when it needs one.
QString GuardCsvValue(QStringView value);

// The value as it was before GuardCsvValue.
QString UnguardCsvValue(const QString &value);
