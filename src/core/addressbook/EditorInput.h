#pragma once
// What the amount, count and date boxes of the editing dialogs accept before
// anything is written: whole numbers in ASCII digits (full-width digits, as a
// Japanese input method types them, are folded first) and a month and day that
// name a real date. A form checks its boxes with these and refuses to save
// with a notice instead of storing text that would be printed as it stands.

#include <QString>
#include <initializer_list>

// True when text is empty or ASCII digits only.
bool IsAsciiDigits(const QString &text);

// Full-width digits folded to ASCII and surrounding blanks removed, in place;
// true when what remains is empty or ASCII digits only.
bool NormalizeWholeNumber(QString &text);

// The date boxes, folded like NormalizeWholeNumber; true when all three are
// empty, or month and day are given and name a day of that year (of a leap
// year when no year is given, so 2/29 stays possible).
bool NormalizeDate(QString &year, QString &month, QString &day);

// A box to check: its text (normalised in place), its caption for the notice
// and whether the edition shows it. A hidden box cannot be corrected by the
// user, so it is never a reason to refuse.
struct CheckedNumber {
    QString *text;
    QString caption;
    bool shown;
};
struct CheckedDate {
    QString *year, *month, *day;
    QString caption;
    bool shown;
    bool yearShown; // a hidden year box is left out of the check
};

// The first broken rule as a notice text ("[保存できませんでした]" + the
// caption + what is wrong), empty when every shown box is fine.
QString NumberAndDateViolation(std::initializer_list<CheckedNumber> numbers, const CheckedDate &date);
