#include "core/import/LabelledTextPaste.h"

#include "core/text/TextCodec.h"
#include "core/import/TelephoneParts.h"
#include "core/import/TrimBlanks.h"
#include "core/layout/StyleData.h"

namespace {

// Removes everything up to and including the first occurrence of mark; nothing
// when the text holds none.
void deleteThrough(QString &text, QChar mark)
{
    const int at = int(text.indexOf(mark));
    if (at >= 0)
        text.remove(0, at + 1);
}

// The text before the first occurrence of mark; empty when there is none.
QString before(const QString &text, QChar mark)
{
    const int at = int(text.indexOf(mark));
    return at >= 0 ? text.left(at) : QString();
}

// Index of the first ASCII digit; -1 when none. Full-width digits do not count.
int firstAsciiDigit(const QString &text)
{
    for (int i = 0; i < text.size(); ++i)
        if (text.at(i) >= u'0' && text.at(i) <= u'9')
            return i;
    return -1;
}

class LineReader
{
public:
    explicit LineReader(QVector<ItemText> &out) : m_out(out) {}

    // Runs the six label tests on one line; each test sees what the earlier
    // ones left of it.
    void read(QString w)
    {
        if (w.contains(QStringLiteral("氏名"))) {
            deleteThrough(w, u'=');
            put(5, w);
        }
        if (w.contains(QStringLiteral("フリガナ"))) {
            deleteThrough(w, u'=');
            put(6, w);
        }
        if (w.contains(QStringLiteral("郵便番号"))) {
            deleteThrough(w, u'=');
            put(1, before(w, u'-'));
            deleteThrough(w, u'-');
            put(2, w);
        }
        if (w.contains(QStringLiteral("住所"))) {
            deleteThrough(w, u'=');
            const int digit = firstAsciiDigit(w);
            // A digit standing last does not start a second line: the whole
            // address stays on the first one.
            if (digit >= 0 && digit < w.size() - 1) {
                put(3, w.left(digit));
                w.remove(0, digit);
                put(4, w);
            } else {
                put(3, w);
            }
        }
        if (w.contains(QStringLiteral("電話"))) {
            deleteThrough(w, u'=');
            const TelephoneParts tel = SplitTelephone(w);
            put(7, tel.first);
            put(8, tel.middle);
            put(9, tel.last);
        }
        if (w.contains(QStringLiteral("注文 ="))) {
            deleteThrough(w, u'=');
            put(19, w.left(14));
        }
    }

private:
    void put(int id, const QString &text) { m_out.append({id, TrimBlanks(text)}); }

    QVector<ItemText> &m_out;
};

} // namespace

QVector<ItemText> LabelledTextChanges(const QString &clipboardText)
{
    QVector<ItemText> changes;
    LineReader reader(changes);
    for (const QString &line : SplitLines(clipboardText))
        reader.read(line);
    return changes;
}

void ApplyItemTexts(StyleData &style, const QVector<ItemText> &changes, const std::function<void(int id)> &select)
{
    for (const ItemText &change : changes) {
        if (select)
            select(change.id);
        style.setItemText(change.id, change.text);
    }
}
