#include "core/text/Cp932Table.h"

#include <iconv.h>

const Cp932Table &Cp932Table::instance()
{
    static const Cp932Table table;
    return table;
}

Cp932Table::Cp932Table()
    : m_encode(0x10000, 0), m_decodeSingle(0x100, QChar::ReplacementCharacter),
      m_decodeDouble(0x10000, QChar::ReplacementCharacter)
{
    iconv_t cd = iconv_open("CP932", "UTF-16LE");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return;
    for (uint32_t u = 1; u < 0x10000; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF)
            continue;
        char in[2] = {char(u & 0xFF), char(u >> 8)};
        char out[4];
        char *inPtr = in;
        char *outPtr = out;
        size_t inLeft = 2, outLeft = sizeof out;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            continue;
        }
        const size_t n = sizeof out - outLeft;
        uint16_t code = 0;
        if (n == 1)
            code = uint8_t(out[0]);
        else if (n == 2)
            code = uint16_t(uint8_t(out[0]) << 8 | uint8_t(out[1]));
        else
            continue;
        m_encode[u] = code;
    }
    iconv_close(cd);

    // Decoding goes through iconv as well, so that where several code points
    // share one code (NEC and IBM duplicates) the text reads back as code page
    // 932 itself would read it.
    cd = iconv_open("UTF-16LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return;
    auto decodeOne = [cd](const char *in, size_t inSize, char16_t *result) {
        char buf[4];
        char *inPtr = const_cast<char *>(in);
        char *outPtr = buf;
        size_t inLeft = inSize, outLeft = sizeof buf;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || sizeof buf - outLeft != 2) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            return;
        }
        *result = char16_t(uint8_t(buf[0]) | uint8_t(buf[1]) << 8);
    };
    for (int b = 1; b < 0x100; ++b) {
        const char in[1] = {char(b)};
        decodeOne(in, 1, &m_decodeSingle[b]);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char in[2] = {char(lead), char(trail)};
            decodeOne(in, 2, &m_decodeDouble[lead << 8 | trail]);
        }
    }
    m_decodeSingle[0] = 0;
    iconv_close(cd);
}

QString Cp932Table::decode(const char *bytes, int size) const
{
    QString out;
    out.resize(size);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    int n = 0;
    for (int i = 0; i < size; ++i) {
        const uint8_t b = uint8_t(bytes[i]);
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (lead) {
            if (i + 1 < size) {
                dst[n++] = m_decodeDouble[uint16_t(b << 8 | uint8_t(bytes[i + 1]))];
                ++i;
            } else {
                dst[n++] = QChar::ReplacementCharacter;
            }
        } else {
            dst[n++] = m_decodeSingle[b];
        }
    }
    out.truncate(n);
    return out;
}
