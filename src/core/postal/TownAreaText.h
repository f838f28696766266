#pragma once
// The town-area column of the national postal-code list carries more than
// town names: remarks such as 「以下に掲載がない場合」, 「○○の次に番地がくる場合」
// or 「○○町一円」 that stand for "no particular town", bracketed notes on
// which house numbers or floors a code covers, and notes so long that they
// run on over the next lines of the list. None of it belongs in an address.
// The shipped table and the postal-code guide's import both clean the column
// with these functions, and the lookup cleans what an older table still holds.

#include <QString>

// The town area as an address may carry it:
// - 「以下に掲載がない場合」, a text ending in 「がくる場合」 and 「○○一円」 (but
//   not the town named 「一円」) give an empty text;
// - a floor in brackets is kept without them: 「ＪＡビル（１階）」 gives 「ＪＡビル１階」;
// - a text ending in a bracketed note loses it from its first bracket on:
//   「大通西（１～１９丁目）」 gives 「大通西」, 「ビル（高層棟）（地階・階層不明）」 gives 「ビル」;
// - a note that is not closed is cut off from its bracket on, and the end of
//   a note run on from an earlier line (a closing bracket without an opening
//   one) gives an empty text.
// A cleaned text comes back unchanged.
QString CleanTownArea(const QString &town);

// True when the town area opens a bracketed note it does not close: the list
// continues it on the next line of the same postal code.
bool TownAreaRunsOn(const QString &town);


#include "core/postal/NationalPostalCsv.h"

// Gives back the entries of the list, read in its order, as the table keeps
// them: the lines over which one postal code's note runs on joined into one
// entry, and every town area cleaned.
class PostalEntryJoiner
{
public:
    // Takes the next line's entry. True, with *complete set, when the entry
    // before it is complete.
    bool add(const NationalPostalEntry &entry, NationalPostalEntry *complete);
    // At the end of the list: true, with *complete set, for the last entry.
    bool finish(NationalPostalEntry *complete);

private:
    NationalPostalEntry m_pending;
    bool m_hasPending = false;
};
