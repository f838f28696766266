#pragma once
// Text forms of the numbers held by the numeric edit box: plain and general
// decimal writing, decimal rounding done on the written digits, thousands
// grouping, hexadecimal, and reading a box's text back as a number. Pure
// functions on strings, so every rule can be checked without a widget.

#include "core/controls/NumberEditTypes.h"

#include <QString>
#include <optional>

class NumberText
{
public:
    // The number written with up to 15 significant digits and '.' as separator,
    // never in exponent form: 0.000015, 150000000000000000000, -2.5, 0.
    static QString plainDecimal(Extended value);

    // The number in general form with up to 15 significant digits and '.' as
    // separator: plain for magnitudes from 0.00001 below 10^15, otherwise with
    // an exponent (1.5E-6, 1E20). No trailing separator.
    static QString generalFormat(Extended value);

    // Drops the decimals of a plain number text ('.' separator) beyond `figure`
    // by `mode`; a carry runs into the integer part. A text with no more than
    // `figure` decimals, or a negative `figure`, comes back unchanged.
    static QString roundDecimals(const QString &plain, int figure, TRoundMode mode);

    // The value cut to the 15 significant digits it is written with, so that a
    // double such as 0.3 and the 0.3 read from a text compare equal.
    static Extended significant(Extended value);

    // The value rounded to `figure` decimals by `mode` (unchanged when figure < 0).
    static Extended roundToFigure(Extended value, int figure, TRoundMode mode);

    // The value rounded to a whole number by `mode`, without any range clamp.
    static Extended roundToWhole(Extended value, TRoundMode mode);

    // Rewrites the integer part of a number text in thousands groups, keeping a
    // leading sign and leading-zero-free digits; the decimals stay as they are.
    // A text whose integer part is not made of digits comes back unchanged.
    static QString groupThousands(const QString &text, NumberSeparators separators);

    // The grouped text together with where the caret lands: after the same
    // digits it stood after before the regrouping.
    struct Regrouped
    {
        QString text;
        int cursor = 0;
    };
    static Regrouped regroup(const QString &text, int cursor, NumberSeparators separators);

    // Reads a decimal box text: thousands separators and control characters are
    // ignored; "", "+", "-" and a text without any digit read as 0; an integer
    // text is read exactly when it fits 64 bits. Nothing for a text that is not
    // a number.
    static std::optional<Extended> readDecimal(const QString &text, NumberSeparators separators);

    // Reads a hexadecimal box text; a leading '-' counts only with validMinus.
    static std::optional<Extended> readHex(const QString &text, bool validMinus);

    // The value's integer part in upper-case hexadecimal with at least
    // max(figure, 1) digits. With validMinus a negative number gets a '-' (64-bit
    // range); without it the number is held to the unsigned 32-bit range.
    static QString hexText(Extended value, int figure, bool validMinus);

    // Replaces the '.' of a plain or general text by the locale's separator.
    static QString localised(const QString &text, NumberSeparators separators);

    // Whether a decimal number text holds no digit other than 0.
    static bool isZeroText(const QString &text);
};
