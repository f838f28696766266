#include "ui/printing/PrintToolOptions.h"

#include "core/settings/ToolOptions.h"
#include "core/settings/Editions.h"
#include "core/text/TextFields.h"

namespace {

bool wholeInRange(const QString &text, int low, int high, int *value)
{
    int v = 0;
    if (!ParseWholeNumber(text, &v) || v < low || v > high)
        return false;
    *value = v;
    return true;
}

bool knownEdition(const QString &text, int *code)
{
    int value = 0;
    if (!ParseWholeNumber(text, &value))
        return false;
    for (const Edition &e : Editions())
        if (e.code == value) {
            *code = value;
            return true;
        }
    return false;
}

// "10, 20, 30, 40, 50, 60"
QString editionList()
{
    QStringList codes;
    for (const Edition &e : Editions())
        codes << QString::number(e.code);
    return codes.join(QStringLiteral(", "));
}

} // namespace

std::optional<PrintToolOptions> PrintToolOptions::parse(const QString &command, const QStringList &args,
                                                        QString *error)
{
    const bool render = command == QLatin1String("render");
    PrintToolOptions o;
    auto fail = [error](const QString &message) {
        *error = message;
        return std::nullopt;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString name = args.at(i);
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            o.help = true;
            return o;
        }
        if (render && name == QLatin1String("--apply-offsets")) {
            o.applyOffsets = true;
            continue;
        }
        if (!render && name == QLatin1String("--with-form")) {
            o.withForm = true;
            continue;
        }
        if (!render && name == QLatin1String("--no-history")) {
            o.noHistory = true;
            continue;
        }
        if (name == QLatin1String("--yen-mark")) {
            o.yenMark = true;
            continue;
        }
        static const QStringList common{QStringLiteral("--style"), QStringLiteral("--record"),
                                        QStringLiteral("--edition"), QStringLiteral("--out"),
                                        QStringLiteral("--date"), QStringLiteral("--zoom")};
        static const QStringList renderOnly{QStringLiteral("--dpi"), QStringLiteral("--offset"),
                                            QStringLiteral("--target"), QStringLiteral("--page")};
        static const QStringList pdfOnly{QStringLiteral("--copies"), QStringLiteral("--appdata"), QStringLiteral("--store"),
                                         QStringLiteral("--consignees"), QStringLiteral("--sender")};
        if (!common.contains(name) && !(render ? renderOnly : pdfOnly).contains(name))
            return fail(QStringLiteral("unknown option '%1' (see --help)").arg(name));
        if (i + 1 >= args.size())
            return fail(QStringLiteral("option %1 needs a value").arg(name));
        const QString value = args.at(++i);
        if (name == QLatin1String("--style")) {
            o.style = value;
        } else if (name == QLatin1String("--record")) {
            o.record = value;
        } else if (name == QLatin1String("--out")) {
            o.out = value;
        } else if (name == QLatin1String("--edition")) {
            // Only the program's own editions: any other code would quietly
            // draw with another edition's numbering.
            if (!knownEdition(value, &o.edition))
                return fail(QStringLiteral("--edition wants one of %1, not '%2'").arg(editionList(), value));
            o.editionGiven = true;
        } else if (name == QLatin1String("--appdata")) {
            o.appdata = value;
        } else if (name == QLatin1String("--store")) {
            if (const QString problem = StoreOptionProblem(value); !problem.isEmpty())
                return fail(problem);
            o.store = value;
        } else if (name == QLatin1String("--consignees")) {
            if (value.isEmpty())
                return fail(QStringLiteral("--consignees wants all or ID,ID,..."));
            o.consignees = value;
        } else if (name == QLatin1String("--sender")) {
            if (!wholeInRange(value, 1, 2147483647, &o.sender))
                return fail(QStringLiteral("--sender wants a sender ID such as 1, not '%1'").arg(value));
        } else if (name == QLatin1String("--dpi")) {
            if (!wholeInRange(value, 1, 4800, &o.dpi))
                return fail(QStringLiteral("--dpi wants a resolution from 1 to 4800, not '%1'").arg(value));
        } else if (name == QLatin1String("--zoom")) {
            if (!wholeInRange(value, 5, 200, &o.zoom))
                return fail(QStringLiteral("--zoom wants a percent from 5 to 200, not '%1'").arg(value));
        } else if (name == QLatin1String("--copies")) {
            if (!wholeInRange(value, 1, 1000, &o.copies))
                return fail(QStringLiteral("--copies wants a number from 1 to 1000, not '%1'").arg(value));
        } else if (name == QLatin1String("--offset")) {
            const QStringList parts = value.split(u',');
            int x = 0, y = 0;
            if (parts.size() != 2 || !wholeInRange(parts[0], -100, 100, &x) || !wholeInRange(parts[1], -100, 100, &y))
                return fail(QStringLiteral("--offset wants X,Y in whole millimetres from -100 to 100, not '%1'")
                                .arg(value));
            o.offset = qMakePair(x, y);
        } else if (name == QLatin1String("--target")) {
            if (value != QLatin1String("preview") && value != QLatin1String("printer"))
                return fail(QStringLiteral("--target wants preview or printer, not '%1'").arg(value));
            o.printer = value == QLatin1String("printer");
        } else if (name == QLatin1String("--page")) {
            const QStringList parts = value.toLower().split(u'x');
            bool okW = false, okH = false;
            const double w = parts.size() == 2 ? parts[0].toDouble(&okW) : 0;
            const double h = parts.size() == 2 ? parts[1].toDouble(&okH) : 0;
            if (!okW || !okH || !(w > 0) || !(h > 0) || w > 2000 || h > 2000)
                return fail(QStringLiteral("--page wants WIDTHxHEIGHT in millimetres such as 210x297, not '%1'")
                                .arg(value));
            o.pageMm = QSizeF(w, h);
        } else if (name == QLatin1String("--date")) {
            o.date = QDate::fromString(value, Qt::ISODate);
            if (!o.date.isValid())
                return fail(QStringLiteral("--date wants a date such as 2024-06-30, not '%1'").arg(value));
        }
    }
    // A batch from the databases takes the edition's own layout unless --style names one.
    if (o.style.isEmpty() && o.consignees.isEmpty())
        return fail(QStringLiteral("--style FILE.sle is required"));
    // A test print is one sheet of the layout; a batch of it would only waste paper.
    if (o.withForm && !o.consignees.isEmpty())
        return fail(QStringLiteral("--with-form prints one layout and cannot be combined with --consignees"));
    if (o.out.isEmpty())
        return fail(QStringLiteral("--out FILE is required"));
    if (const QString problem = AppDataProblem(o.appdata); !problem.isEmpty())
        return fail(problem);
    if (o.dpi == 0)
        o.dpi = o.printer ? 600 : 96;
    return o;
}
