#include "core/text/TextCodec.h"

#include "core/text/FileErrorText.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <iconv.h>

namespace {

// One iconv conversion descriptor for the life of a call; iconv_t is not
// thread-safe to share, and the program converts whole files at a time.
class Iconv
{
public:
    Iconv(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return m_cd; }

private:
    iconv_t m_cd;
};

bool startsWith(const QByteArray &bytes, std::initializer_list<unsigned char> mark)
{
    if (bytes.size() < int(mark.size()))
        return false;
    int i = 0;
    for (unsigned char c : mark)
        if (static_cast<unsigned char>(bytes[i++]) != c)
            return false;
    return true;
}

QString decodeCp932(const QByteArray &bytes)
{
    // Plain ASCII needs no conversion (most settings and style files are largely ASCII).
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);

    Iconv cd("UTF-16LE", "CP932");
    if (!cd.valid())
        return QString::fromLocal8Bit(bytes);
    QString out;
    out.reserve(bytes.size());
    QByteArray buffer(4096, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        char *outPtr = buffer.data();
        size_t outLeft = size_t(buffer.size());
        const size_t rc = iconv(cd.handle(), &in, &inLeft, &outPtr, &outLeft);
        const int produced = int(buffer.size() - int(outLeft));
        out.append(reinterpret_cast<const QChar *>(buffer.constData()), produced / 2);
        if (rc == size_t(-1)) {
            if (errno == E2BIG)
                continue;
            // An invalid or truncated byte sequence: show it as U+FFFD and move on,
            // so that one bad byte never hides the rest of the file.
            out.append(QChar(QChar::ReplacementCharacter));
            ++in;
            --inLeft;
            iconv(cd.handle(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

// A surrogate without its partner is no character: it cannot be written as
// UTF-8 or code page 932 and would turn into '?' on the next save. It becomes
// U+FFFD, as any other invalid input does.
QString replaceLoneSurrogates(QString text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            text[i] = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

} // namespace

QString DecodeText(const QByteArray &bytes, TextEncoding *detected)
{
    auto setDetected = [detected](TextEncoding e) {
        if (detected)
            *detected = e;
    };
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        setDetected(TextEncoding::Utf8Bom);
        // The mark is cut off here; a second one is text and must stay.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(QByteArrayView(bytes).sliced(3));
    }
    if (startsWith(bytes, {0xFF, 0xFE})) {
        setDetected(TextEncoding::Utf16LeBom);
        // The mark is cut off here; a second one is text and must stay.
        QStringDecoder decoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::ConvertInitialBom);
        return replaceLoneSurrogates(decoder.decode(QByteArrayView(bytes).sliced(2)));
    }
    if (startsWith(bytes, {0xFE, 0xFF})) {
        setDetected(TextEncoding::Utf16BeBom);
        // The mark is cut off here; a second one is text and must stay.
        QStringDecoder decoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::ConvertInitialBom);
        return replaceLoneSurrogates(decoder.decode(QByteArrayView(bytes).sliced(2)));
    }
    setDetected(TextEncoding::Cp932);
    return decodeCp932(bytes);
}

std::optional<QByteArray> EncodeCp932(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();

    Iconv cd("CP932", "UTF-16LE");
    if (!cd.valid())
        return std::nullopt;
    QByteArray out;
    out.reserve(text.size() * 2);
    QByteArray buffer(4096, Qt::Uninitialized);
    char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.constData()));
    size_t inLeft = size_t(text.size()) * 2;
    while (inLeft > 0) {
        char *outPtr = buffer.data();
        size_t outLeft = size_t(buffer.size());
        const size_t rc = iconv(cd.handle(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.constData(), buffer.size() - int(outLeft));
        if (rc == size_t(-1)) {
            if (errno == E2BIG)
                continue;
            return std::nullopt; // EILSEQ or EINVAL: a character outside code page 932
        }
    }
    // Flush any pending shift state (none for CP932, but harmless).
    char *outPtr = buffer.data();
    size_t outLeft = size_t(buffer.size());
    iconv(cd.handle(), nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer.constData(), buffer.size() - int(outLeft));
    return out;
}

bool FitsCp932(const QString &text)
{
    return EncodeCp932(text).has_value();
}

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    int start = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

std::optional<QString> ReadTextFile(const QString &path, TextEncoding *detected)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeText(file.readAll(), detected);
}

std::optional<QStringList> ReadTextLines(const QString &path, TextEncoding *detected)
{
    const auto text = ReadTextFile(path, detected);
    if (!text)
        return std::nullopt;
    return SplitLines(*text);
}

std::optional<QByteArray> EncodeLines(const QStringList &lines, TextEncoding encoding)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    switch (encoding) {
    case TextEncoding::Cp932:
        return EncodeCp932(text);
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LeBom: {
        QStringEncoder encoder(QStringEncoder::Utf16LE);
        return QByteArray("\xFF\xFE", 2) + QByteArray(encoder.encode(text));
    }
    case TextEncoding::Utf16BeBom: {
        QStringEncoder encoder(QStringEncoder::Utf16BE);
        return QByteArray("\xFE\xFF", 2) + QByteArray(encoder.encode(text));
    }
    }
    return std::nullopt;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = FileErrorInJapanese(file.error());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = FileErrorInJapanese(file.error());
        file.cancelWriting();
        return false;
    }
    // QSaveFile flushes and fsyncs before it renames the temporary file over the old one.
    if (!file.commit()) {
        if (error)
            *error = FileErrorInJapanese(file.error());
        return false;
    }
    return true;
}

WriteStatus WriteTextLines(const QString &path, const QStringList &lines, TextEncoding encoding,
                           QString *error)
{
    const auto bytes = EncodeLines(lines, encoding);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("シフトJISで書けない文字が含まれています。");
        return WriteStatus::Unencodable;
    }
    return WriteFileAtomically(path, *bytes, error) ? WriteStatus::Ok : WriteStatus::IoError;
}

std::optional<TextEncoding> WriteTextLinesPreferCp932(const QString &path, const QStringList &lines,
                                                      QString *error)
{
    auto bytes = EncodeLines(lines, TextEncoding::Cp932);
    TextEncoding used = TextEncoding::Cp932;
    if (!bytes) {
        used = TextEncoding::Utf8Bom;
        bytes = EncodeLines(lines, used);
    }
    if (!bytes || !WriteFileAtomically(path, *bytes, error))
        return std::nullopt;
    return used;
}
