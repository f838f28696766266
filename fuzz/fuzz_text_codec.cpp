// The text codec every file reader goes through: any bytes decode, every
// decoded text that fits code page 932 encodes and decodes back unchanged, and
// the lines joined by the writer split back into the same lines.

#include "FuzzSupport.h"

#include "core/text/TextCodec.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);
    TextEncoding detected = TextEncoding::Cp932;
    const QString text = DecodeText(bytes, &detected);
    fuzz::Require(text.size() <= qsizetype(size), "decoding never grows the text past its bytes");

    if (detected == TextEncoding::Cp932 && !text.contains(QChar(0xFFFD))) {
        const std::optional<QByteArray> encoded = EncodeCp932(text);
        fuzz::Require(encoded.has_value(), "a valid code page 932 text encodes");
        fuzz::Require(DecodeText(*encoded) == text, "a valid code page 932 text encodes back to the same text");
    }
    fuzz::Require(FitsCp932(text) == EncodeCp932(text).has_value(), "FitsCp932 agrees with the encoder");

    const QStringList lines = SplitLines(text);
    for (TextEncoding encoding : {TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom}) {
        const std::optional<QByteArray> joined = EncodeLines(lines, encoding);
        fuzz::Require(joined.has_value(), "Unicode encodings hold every text");
        TextEncoding again = TextEncoding::Cp932;
        fuzz::Require(SplitLines(DecodeText(*joined, &again)) == lines, "written lines read back unchanged");
        fuzz::Require(again == encoding, "the byte-order mark is recognised");
    }
    return 0;
}
