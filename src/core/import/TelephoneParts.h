#pragma once
// A telephone number cut into the three boxes the waybills print it in
// (area code, exchange, subscriber). Every editor, print, paste, import and
// registration that takes a number apart uses this one rule, so no digit is
// ever dropped: the writer's own separators decide where the cuts go, and
// only a number written without any falls back to cutting at fixed places.

#include <QString>

struct TelephoneParts {
    QString first, middle, last;

    bool operator==(const TelephoneParts &other) const
    {
        return first == other.first && middle == other.middle && last == other.last;
    }
};

// True for the characters people write between the groups of a number:
// the ASCII hyphen-minus, the full-width hyphen-minus, the Unicode hyphens,
// minus sign and dashes, and the long-vowel marks an input method gives for "-".
bool IsTelephoneHyphen(QChar c);

// The number with each such character written as the ASCII '-'; nothing else changes.
QString WithAsciiHyphens(const QString &number);

// Cuts a number into its three parts; blanks around the number and its parts go.
// - Groups joined by hyphens alone, as the program stores a number: two
//   hyphens give the three groups as written ("--" gives three empty parts),
//   more give the first two groups, then the rest with its hyphens.
// - Otherwise every run of blanks, hyphens, brackets and dots separates two
//   groups ("(03)1234-5678", "03(1234)5678", "03.1234.5678", "075 414 4321"),
//   three or more groups going as above.
// - Two groups: a group starting with 0 is the area code and comes first, a
//   longer subscriber group after it gives its last four characters to the
//   third part; a group not starting with 0 is the exchange of a number
//   without area code ("1234-5678" fills the second and third parts).
// - One group, a number written without any separator: the last four
//   characters are the subscriber number, and of what stands before, a number
//   starting with 0 gives its area code (two characters for a ten-digit 03 or
//   06 number, three otherwise) to the first part. Numbers of four characters
//   or fewer go to the third part.
TelephoneParts SplitTelephone(const QString &number);

// A number as a shop typed it, in the form the address book stores: full-width
// digits and signs in ASCII, cut by SplitTelephone and joined by two hyphens
// ("（０３）１２３４－５６７８" gives "03-1234-5678"); a text without digits
// ("なし") stays as typed, without its surrounding blanks.
QString StoredTelephone(const QString &typed);
