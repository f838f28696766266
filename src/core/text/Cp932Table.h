#pragma once
// Code page 932 one character at a time, from tables built once from iconv.
// The postal-code guide turns about 147,000 rows into fixed-width code page 932
// records per search; a table lookup per character keeps that within a few
// milliseconds where an iconv call per value would not.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

class Cp932Table
{
public:
    // The tables, built on first use (thread-safe).
    static const Cp932Table &instance();

    // The code page 932 form of a UTF-16 code unit: 0 when it has none (lone
    // surrogates included), a value below 0x100 for one byte, otherwise the lead
    // byte in the high and the trail byte in the low 8 bits. U+0000 maps to 0x00
    // and is reported through encodable().
    uint16_t encode(char16_t unit) const { return m_encode[unit]; }
    bool encodable(char16_t unit) const { return unit == 0 || m_encode[unit] != 0; }

    // Decodes bytes that encode() produced. A lead byte without its trail byte,
    // or a pair with no mapping, becomes U+FFFD.
    QString decode(const char *bytes, int size) const;
    QString decode(const QByteArray &bytes) const { return decode(bytes.constData(), int(bytes.size())); }

private:
    Cp932Table();

    std::vector<uint16_t> m_encode;      // UTF-16 code unit -> code page 932
    std::vector<char16_t> m_decodeSingle; // byte -> UTF-16 (0xFFFD when unmapped)
    std::vector<char16_t> m_decodeDouble; // lead << 8 | trail -> UTF-16
};
