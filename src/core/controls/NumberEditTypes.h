#pragma once
// Value and option types shared by the numeric edit box and its formatting core.

#include <QChar>
#include <QFlags>

// The box keeps its number in the platform's extended precision, so that a
// 64-bit integer typed into it survives exactly.
using Extended = long double;

// How surplus decimals are dropped: cut, round half up (by the first dropped
// digit), or round up when any dropped digit is not 0. Magnitudes are rounded,
// so negative numbers round away from or towards zero like positive ones.
enum class TRoundMode { rmDown, rmRound, rmUp };

// Decimal or hexadecimal entry.
enum class TNumberType { ntDecimal, ntHex };

// Which bounds the limit applies.
enum TLimitOption { loMax = 0x1, loMin = 0x2 };
Q_DECLARE_FLAGS(TLimitOptions, TLimitOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLimitOptions)

// Direction of an arrow-key step.
enum class TArrowDirection { adNone, adUp, adDown };

// The locale's separators used for reading and writing numbers.
struct NumberSeparators
{
    QChar decimal = QLatin1Char('.');
    QChar thousands = QLatin1Char(',');
};
