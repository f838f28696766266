#include "core/postal/ZipGuideBuffer.h"

#include "core/text/Cp932Table.h"

#include <cstring>

namespace {

constexpr int widths[4] = {ZipGuideBuffer::CodeBytes, ZipGuideBuffer::AreaBytes, ZipGuideBuffer::CityBytes,
                           ZipGuideBuffer::LocationBytes};

// Walks text character by character and stops before the first character that
// would not fit in maxBytes. Calls onChar(position, units, code) for each kept
// character; code is 0 for one with no code page 932 form (two bytes wide).
template <typename F>
bool walkWithin(QStringView text, int maxBytes, F onChar)
{
    const Cp932Table &table = Cp932Table::instance();
    bool exact = true;
    int used = 0;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t u = text[i].unicode();
        int units = 1;
        uint16_t code = table.encode(u);
        bool mapped = table.encodable(u);
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            units = 2;
            mapped = false;
            code = 0;
        }
        const int width = !mapped ? 2 : (code < 0x100 ? 1 : 2);
        if (used + width > maxBytes)
            break;
        if (!mapped)
            exact = false;
        onChar(i, units, mapped ? code : uint16_t(0));
        used += width;
        i += units;
    }
    return exact;
}

} // namespace

void ZipGuideBuffer::clear()
{
    m_records.clear();
    m_exact.clear();
}

QByteArray ZipGuideBuffer::CutToCp932(QStringView text, int maxBytes, bool *exact)
{
    QByteArray out;
    out.reserve(maxBytes);
    const bool allMapped = walkWithin(text, maxBytes, [&out](qsizetype, int, uint16_t code) {
        if (code == 0) {
            out.append('?');
            out.append('?');
        } else if (code < 0x100) {
            out.append(char(code));
        } else {
            out.append(char(code >> 8));
            out.append(char(code & 0xFF));
        }
    });
    if (exact)
        *exact = allMapped;
    return out;
}

QString ZipGuideBuffer::CutToWidth(QStringView text, int maxBytes)
{
    qsizetype end = 0;
    walkWithin(text, maxBytes, [&end](qsizetype pos, int units, uint16_t) { end = pos + units; });
    return text.left(end).toString();
}

void ZipGuideBuffer::append(QStringView code, QStringView area, QStringView city, QStringView location)
{
    Record r;
    const QStringView values[4] = {code, area, city, location};
    char *targets[4] = {r.code, r.area, r.city, r.location};
    bool allExact = true;
    for (int f = 0; f < 4; ++f) {
        // The common case straight into the record, without a temporary.
        const Cp932Table &table = Cp932Table::instance();
        int used = 0;
        bool exact = true;
        const QStringView v = values[f];
        for (qsizetype i = 0; i < v.size(); ++i) {
            const char16_t u = v[i].unicode();
            if (!table.encodable(u)) {
                exact = false;
                break;
            }
            const uint16_t c = table.encode(u);
            if (c < 0x100) {
                if (used + 1 > widths[f])
                    break;
                targets[f][used++] = char(c);
            } else {
                if (used + 2 > widths[f])
                    break;
                targets[f][used++] = char(c >> 8);
                targets[f][used++] = char(c & 0xFF);
            }
        }
        if (!exact) {
            const QByteArray cut = CutToCp932(v, widths[f]);
            std::memcpy(targets[f], cut.constData(), size_t(cut.size()));
            used = int(cut.size());
            allExact = false;
        }
        r.length[f] = uint8_t(used);
    }
    if (!allExact) {
        r.exactIndex = int32_t(m_exact.size());
        std::array<QString, 4> texts;
        for (int f = 0; f < 4; ++f)
            texts[f] = CutToWidth(values[f], widths[f]);
        m_exact.append(texts);
    }
    m_records.append(r);
}

const char *ZipGuideBuffer::field(const Record &r, int column) const
{
    switch (column) {
    case 1: return r.code;
    case 2: return r.area;
    case 3: return r.city;
    default: return r.location;
    }
}

QByteArray ZipGuideBuffer::bytes(int row, int column) const
{
    if (row < 0 || row >= size() || column < 1 || column > 4)
        return {};
    const Record &r = m_records.at(row);
    return QByteArray(field(r, column), r.length[column - 1]);
}

QString ZipGuideBuffer::text(int row, int column) const
{
    if (row < 0 || row >= size() || column < 1 || column > 4)
        return {};
    const Record &r = m_records.at(row);
    if (r.exactIndex >= 0)
        return m_exact.at(r.exactIndex)[column - 1];
    return Cp932Table::instance().decode(field(r, column), r.length[column - 1]);
}

QStringList ZipGuideBuffer::rowTexts(int row) const
{
    QStringList out;
    for (int c = 1; c <= 4; ++c)
        out.append(text(row, c));
    return out;
}
