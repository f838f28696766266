#include "core/text/NoticeText.h"

namespace {

// A line may end after these characters...
bool breaksAfter(QChar c)
{
    static const QString after = QStringLiteral("、。，．!?！？)）」』】〕］・/ 　");
    return after.contains(c);
}

// ...and start with these.
bool breaksBefore(QChar c)
{
    static const QString before = QStringLiteral("(（「『【〔［");
    return before.contains(c);
}

void wrapLine(const QString &line, qreal maxWidth, const TextWidth &width, QStringList *out)
{
    QString rest = line;
    while (!rest.isEmpty() && width(rest) > maxWidth) {
        // The longest head that fits, then back to its last break point.
        int fit = 1;
        while (fit < rest.size() && width(rest.left(fit + 1)) <= maxWidth)
            ++fit;
        if (fit < rest.size() && rest.at(fit - 1).isHighSurrogate())
            --fit;
        int cut = 0;
        for (int i = fit; i > 0; --i) {
            if (breaksAfter(rest.at(i - 1)) || (i < rest.size() && breaksBefore(rest.at(i)))) {
                cut = i;
                break;
            }
        }
        if (cut == 0)
            cut = qMax(1, fit);
        out->append(rest.left(cut).trimmed());
        rest = rest.mid(cut);
        if (rest.startsWith(u' ') || rest.startsWith(u'　'))
            rest = rest.mid(1);
    }
    out->append(rest);
}

} // namespace

QStringList WrapNoticeText(const QString &text, qreal maxWidth, const TextWidth &width)
{
    QStringList lines;
    const QStringList given = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    for (const QString &line : given)
        wrapLine(line, maxWidth, width, &lines);
    return lines;
}
