#include "import/TrimBlanks.h"

QString TrimBlanks(const QString &text)
{
    int begin = 0;
    int end = int(text.size());
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

bool IsWideBlank(QChar c)
{
    return c.unicode() <= 32 || c == QChar(0x3000);
}

QString TrimWideBlanks(const QString &text)
{
    int begin = 0;
    int end = int(text.size());
    while (begin < end && IsWideBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsWideBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}
