#include "core/postal/JpostalJson.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

bool isSevenDigits(const QString &code)
{
    if (code.size() != 7)
        return false;
    for (QChar c : code)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

bool ParseJpostalJson(const QByteArray &text, QVector<JpostalEntry> *entries, int *skipped, QString *error)
{
    const int open = int(text.indexOf('('));
    const int close = int(text.lastIndexOf(')'));
    if (open < 0 || close <= open) {
        *error = QStringLiteral("not a JSONP call");
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(text.mid(open + 1, close - open - 1), &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isArray()) {
        *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                : QStringLiteral("no array of rows");
        return false;
    }
    const QJsonArray rows = doc.array();
    for (const QJsonValue &value : rows) {
        const QJsonArray row = value.toArray();
        QString code = row.at(0).toString();
        if (code.startsWith(QLatin1Char('_')))
            code.remove(0, 1);
        if (row.size() < 4 || !isSevenDigits(code)) {
            ++*skipped;
            continue;
        }
        JpostalEntry e;
        e.entry.code = code;
        e.entry.area = row.at(1).toString();
        e.entry.city = row.at(2).toString();
        // An empty town area is kept as empty: such a code stands for the whole
        // city, and a lookup then fills prefecture and city and leaves the rest
        // to the user.
        e.entry.location = row.at(3).toString();
        e.areaKana = row.at(6).toString();
        e.cityKana = row.at(7).toString();
        e.locationKana = row.at(8).toString();
        entries->append(e);
    }
    return true;
}

bool ReadJpostalFolder(const QString &folder, QVector<JpostalEntry> *entries, int *skipped, QString *error)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        *error = QStringLiteral("no .json files in %1").arg(folder);
        return false;
    }
    for (const QString &name : names) {
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1").arg(file.fileName());
            return false;
        }
        QString fileError;
        if (!ParseJpostalJson(file.readAll(), entries, skipped, &fileError)) {
            *error = name + QStringLiteral(": ") + fileError;
            return false;
        }
    }
    return true;
}
