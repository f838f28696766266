#include "core/import/CsvEncoding.h"

#include "core/text/TextCodec.h"

#include <QStringDecoder>

#include <cstring>

namespace {

bool startsWith(const QByteArray &bytes, const char *mark, int length)
{
    return bytes.size() >= length && memcmp(bytes.constData(), mark, size_t(length)) == 0;
}

// UTF-16 text without a mark: Japanese and ASCII text in UTF-16 has a zero in
// nearly every second byte, which no 8-bit encoding of a text file has.
CsvEncoding guessUtf16(const QByteArray &bytes, bool *found)
{
    const int sample = int(qMin<qsizetype>(bytes.size(), 4096)) & ~1;
    int evenZeros = 0;
    int oddZeros = 0;
    for (int i = 0; i < sample; i += 2) {
        if (bytes.at(i) == 0)
            ++evenZeros;
        if (bytes.at(i + 1) == 0)
            ++oddZeros;
    }
    const int pairs = sample / 2;
    *found = pairs >= 2 && (oddZeros * 3 >= pairs || evenZeros * 3 >= pairs);
    return oddZeros >= evenZeros ? CsvEncoding::Utf16Le : CsvEncoding::Utf16Be;
}

QString decodeWith(QStringDecoder::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

bool isAscii(const QByteArray &bytes)
{
    for (const char b : bytes)
        if (uchar(b) >= 0x80)
            return false;
    return true;
}

// How little a decoded text reads as the Japanese (and ASCII) of an address
// book: a byte the encoding cannot read counts most; then the characters that
// bytes of the other encoding turn into. Code page 932 bytes read as UTF-8
// come out as Latin letters and other alphabets (U+0080 to U+1FFF:
// 「ﾃｽ」 is 「ý」); UTF-8 bytes read as code page 932 come out as bytes it
// cannot read or as its private-use characters.
qsizetype strangeness(const QString &text)
{
    qsizetype score = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0xFFFD)
            score += 10;
        else if ((u >= 0x80 && u < 0x2000) || (u >= 0xE000 && u < 0xF900))
            score += 1;
    }
    return score;
}

} // namespace

CsvEncoding DetectCsvEncoding(const QByteArray &bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF", 3))
        return CsvEncoding::Utf8Bom;
    if (startsWith(bytes, "\xFF\xFE", 2))
        return CsvEncoding::Utf16LeBom;
    if (startsWith(bytes, "\xFE\xFF", 2))
        return CsvEncoding::Utf16BeBom;
    bool utf16 = false;
    const CsvEncoding wide = guessUtf16(bytes, &utf16);
    if (utf16)
        return wide;
    // Either reading of ASCII is the same text.
    if (isAscii(bytes))
        return CsvEncoding::Utf8;
    // UTF-8 and code page 932 both read most byte sequences, so the choice is
    // the reading that looks like Japanese text; equal ones go to UTF-8,
    // whose strict rules random bytes rarely meet.
    const qsizetype utf8 = strangeness(decodeWith(QStringDecoder::Utf8, bytes));
    const qsizetype cp932 = strangeness(DecodeText(bytes));
    return utf8 <= cp932 ? CsvEncoding::Utf8 : CsvEncoding::Cp932;
}

QString DecodeCsvBytes(const QByteArray &bytes, CsvEncoding encoding)
{
    const QByteArrayView view(bytes);
    switch (encoding) {
    case CsvEncoding::Utf8Bom:
    case CsvEncoding::Utf8:
        return decodeWith(QStringDecoder::Utf8, startsWith(bytes, "\xEF\xBB\xBF", 3) ? view.sliced(3) : view);
    case CsvEncoding::Utf16LeBom:
    case CsvEncoding::Utf16Le:
        return decodeWith(QStringDecoder::Utf16LE, startsWith(bytes, "\xFF\xFE", 2) ? view.sliced(2) : view);
    case CsvEncoding::Utf16BeBom:
    case CsvEncoding::Utf16Be:
        return decodeWith(QStringDecoder::Utf16BE, startsWith(bytes, "\xFE\xFF", 2) ? view.sliced(2) : view);
    case CsvEncoding::Cp932:
        break;
    }
    // A byte-order mark is never code page 932 text, so it still wins here.
    return DecodeText(bytes);
}

QString DecodeCsvBytes(const QByteArray &bytes, CsvEncoding *detected)
{
    const CsvEncoding encoding = DetectCsvEncoding(bytes);
    if (detected)
        *detected = encoding;
    return DecodeCsvBytes(bytes, encoding);
}

QString CsvEncodingName(CsvEncoding encoding)
{
    switch (encoding) {
    case CsvEncoding::Utf8Bom:
        return QStringLiteral("UTF-8 (BOM付き)");
    case CsvEncoding::Utf16LeBom:
    case CsvEncoding::Utf16Le:
        return QStringLiteral("UTF-16LE");
    case CsvEncoding::Utf16BeBom:
    case CsvEncoding::Utf16Be:
        return QStringLiteral("UTF-16BE");
    case CsvEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case CsvEncoding::Cp932:
        return QStringLiteral("Shift_JIS");
    }
    return QString();
}
