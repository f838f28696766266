#pragma once
// Working out how a CSV file from elsewhere is encoded. Spreadsheets write
// UTF-8 with or without a byte-order mark, UTF-16 ("Unicode text") or code page
// 932 (Shift_JIS). A byte-order mark and UTF-16's zero bytes are certain;
// between UTF-8 and code page 932 the reading that looks like Japanese text
// wins, and the user is shown which one that was and may choose the other.

#include <QByteArray>
#include <QString>

enum class CsvEncoding {
    Utf8Bom,    // UTF-8 starting with EF BB BF
    Utf16LeBom, // UTF-16 little endian starting with FF FE
    Utf16BeBom, // UTF-16 big endian starting with FE FF
    Utf16Le,    // UTF-16 little endian without a mark (recognised by its zero bytes)
    Utf16Be,    // UTF-16 big endian without a mark
    Utf8,       // UTF-8 without a mark (plain ASCII counts as this)
    Cp932,      // code page 932
};

// The encoding the bytes are most likely in: a byte-order mark first, then
// UTF-16 recognised by zero bytes; otherwise UTF-8 or code page 932, whichever
// reads as Japanese: no bytes it cannot read, kana and kanji rather than
// Latin letters (short code page 932 texts of half-width kana are valid UTF-8
// too: 「ﾃｽ」 reads as 「ý」). UTF-8 when both read equally well.
CsvEncoding DetectCsvEncoding(const QByteArray &bytes);

// Decodes the bytes in the given encoding; a byte-order mark is dropped.
// Bytes that are invalid in that encoding become U+FFFD; nothing is dropped.
QString DecodeCsvBytes(const QByteArray &bytes, CsvEncoding encoding);

// Detects and decodes in one step.
QString DecodeCsvBytes(const QByteArray &bytes, CsvEncoding *detected = nullptr);

// A short name for showing the encoding to the user ("UTF-8", "Shift_JIS", ...).
QString CsvEncodingName(CsvEncoding encoding);
