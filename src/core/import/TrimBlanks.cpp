#include "core/import/TrimBlanks.h"

namespace {

// The text between the first and the last character that is not a blank.
template <typename IsBlank>
QString trimWhere(const QString &text, IsBlank isBlank)
{
    int begin = 0;
    int end = int(text.size());
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QString TrimBlanks(const QString &text)
{
    return trimWhere(text, [](QChar c) { return c.unicode() <= 32; });
}

bool IsWideBlank(QChar c)
{
    return c.unicode() <= 32 || c == QChar(0x3000);
}

QString TrimWideBlanks(const QString &text)
{
    return trimWhere(text, IsWideBlank);
}
