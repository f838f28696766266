#include "core/settings/OptionsFile.h"

#include "core/text/TextCodec.h"
#include "core/text/TextFields.h"

namespace {

struct BoolLine {
    const char *text;
    bool MainOptions::*member;
    bool value;
};

// Only these exact lines set the switches; "[ItemFix]=true" and the like do not.
const BoolLine kBoolLines[] = {
    {"[Preview_Locate]=False", &MainOptions::previewLocate, false},
    {"[Preview_Locate]=True", &MainOptions::previewLocate, true},
    {"[DatePrint]=True", &MainOptions::datePrint, true},
    {"[DatePrint]=False", &MainOptions::datePrint, false},
    {"[ItemFix]=True", &MainOptions::itemFix, true},
    {"[ItemFix]=False", &MainOptions::itemFix, false},
    {"[YenMark]=True", &MainOptions::yenMark, true},
    {"[YenMark]=False", &MainOptions::yenMark, false},
    {"[RirekiWrite]=True", &MainOptions::writeHistory, true},
    {"[RirekiWrite]=False", &MainOptions::writeHistory, false},
};

QString boolText(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

void ApplyOptionLines(const QStringList &lines, MainOptions &options)
{
    for (const QString &line : lines) {
        for (const BoolLine &b : kBoolLines)
            if (line == QLatin1String(b.text))
                options.*(b.member) = b.value;

        const int eq = line.indexOf(u'=');
        const QString key = eq < 0 ? QString() : line.left(eq);
        const QString value = eq < 0 ? QString() : line.mid(eq + 1);
        if (key == QLatin1String("[ZIP_CHANGE]")) {
            options.zipChange = value == QLatin1String("1") ? 1 : 0;
        } else if (key.startsWith(QLatin1String("[ITEM")) && key.size() == 7 && key.endsWith(u']')
                   && key[5] >= u'1' && key[5] <= u'4') {
            options.fixItem[key[5].unicode() - u'1'] = value;
        } else if (key == QLatin1String("[FixKingaku]")) {
            options.fixKingaku = value;
        } else if (key == QLatin1String("[COPYS]")) {
            int copies = 1;
            options.copies = ParseWholeNumber(value, &copies) ? copies : 1;
        }
    }
}

QStringList OptionLines(const MainOptions &o)
{
    return {
        QStringLiteral("[Version]=1.00"),
        QStringLiteral("[ZIP_CHANGE]=") + QString::number(o.zipChange == 1 ? 1 : 0),
        QStringLiteral("[ITEM1]=") + o.fixItem[0],
        QStringLiteral("[ITEM2]=") + o.fixItem[1],
        QStringLiteral("[ITEM3]=") + o.fixItem[2],
        QStringLiteral("[ITEM4]=") + o.fixItem[3],
        QStringLiteral("[FixKingaku]=") + o.fixKingaku,
        QStringLiteral("[COPYS]=") + QString::number(o.copies),
        QStringLiteral("[Preview_Locate]=") + boolText(o.previewLocate),
        QStringLiteral("[DatePrint]=") + boolText(o.datePrint),
        QStringLiteral("[ItemFix]=") + boolText(o.itemFix),
        QStringLiteral("[YenMark]=") + boolText(o.yenMark),
        QStringLiteral("[RirekiWrite]=") + boolText(o.writeHistory),
    };
}

bool ReadOptionsFile(const QString &path, MainOptions &options)
{
    const auto lines = ReadTextLines(path);
    if (!lines)
        return false;
    ApplyOptionLines(*lines, options);
    return true;
}

bool WriteOptionsFile(const QString &path, const MainOptions &options, QString *error)
{
    // Line breaks inside a text would split it into lines the reader takes for keys.
    MainOptions clean = options;
    for (QString &item : clean.fixItem)
        item = StripLineBreaks(item);
    clean.fixKingaku = StripLineBreaks(clean.fixKingaku);
    return WriteTextLinesPreferCp932(path, OptionLines(clean), error).has_value();
}
