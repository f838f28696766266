#include "core/layout/StyleData.h"

#include "core/settings/AppFolders.h"
#include "core/text/FileErrorText.h"
#include "core/text/TextCodec.h"
#include "core/text/TextFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The fields of a line as NthField numbers them: a ';' is appended, so there is
// always at least one field, and every field is followed by a ';'.
QStringList fieldsOf(const QString &line)
{
    QStringList fields = (line + u';').split(u';');
    fields.removeLast(); // the text after the appended ';', always empty
    return fields;
}

// NthField over pre-split fields: a field past the end gives the last one.
const QString &fieldAt(const QStringList &fields, int n)
{
    if (n <= 0 || n > fields.size())
        return fields.last();
    return fields.at(n - 1);
}

// Field 2 of a line by NthField's rule, without building the whole field list;
// the record transfer looks items up by it dozens of times per waybill.
QStringView idField(QStringView line)
{
    const qsizetype first = line.indexOf(u';');
    if (first < 0)
        return line;
    const qsizetype second = line.indexOf(u';', first + 1);
    if (second < 0)
        return line.mid(first + 1);
    return line.mid(first + 1, second - first - 1);
}

// The text after the n-th ';' of a line; empty when it has fewer.
QString restAfterSeparator(const QString &line, int n)
{
    qsizetype pos = -1;
    for (int k = 0; k < n; ++k) {
        pos = line.indexOf(u';', pos + 1);
        if (pos < 0)
            return QString();
    }
    return line.mid(pos + 1);
}

// A header field by the reading rule of the header: only a field followed by
// ';' exists; anything else counts as empty.
QString headerField(const QString &header, int n)
{
    return NthSepField(header, QStringLiteral(";"), n);
}

// A whole number, or fallback when the text is not one.
int wholeNumberOr(const QString &text, int fallback)
{
    int value = 0;
    return ParseWholeNumber(text, &value) ? value : fallback;
}

} // namespace

QString StyleData::newStyleHeader()
{
    return QStringLiteral("header;Ver1.1;0;0;0;0;401;100;");
}

StyleData::StyleData()
{
    m_lines.append(newStyleHeader());
}

void StyleData::setFolders(const QString &programDir, const QString &workDir)
{
    m_programDir = programDir;
    m_workDir = workDir;
}

QString StyleData::line(int index) const
{
    if (index < 0 || index >= m_lines.size())
        return QString();
    return m_lines.at(index);
}

void StyleData::setLine(int index, const QString &text)
{
    forgetItemIndex();
    if (index < 0 || index >= m_lines.size())
        return;
    m_lines[index] = text;
}

void StyleData::appendLine(const QString &text)
{
    forgetItemIndex();
    m_lines.append(text);
}

void StyleData::setLines(const QStringList &lines)
{
    forgetItemIndex();
    m_lines = lines;
}

int StyleData::findItem(int id) const
{
    // The record transfer looks up some seventy items a waybill; scanning the
    // lines each time was most of a continuous print's own cost. The first
    // line with an id wins, as the scan found it.
    if (!m_itemIndexBuilt) {
        m_itemIndex.clear();
        m_itemIndex.reserve(m_lines.size());
        for (int i = 0; i < m_lines.size(); ++i) {
            const QString key = idField(m_lines.at(i)).toString();
            if (!m_itemIndex.contains(key))
                m_itemIndex.insert(key, i);
        }
        m_itemIndexBuilt = true;
    }
    return m_itemIndex.value(QString::number(id), -1);
}

void StyleData::forgetItemIndex()
{
    m_itemIndexBuilt = false;
}

void StyleData::NewStyle()
{
    forgetItemIndex();
    m_lines = QStringList{newStyleHeader()};
    CurrentStyleFile.clear();
}

LayoutStatus StyleData::LoadStyleFile(const QString &path)
{
    forgetItemIndex();
    const QFileInfo info(path);
    if ((!info.exists() || info.size() == 0) && !m_programDir.isEmpty() && !m_workDir.isEmpty()) {
        // A lost or emptied work copy comes back from the shipped files; every
        // shipped style file is restored, as the program has always done.
        const QString target = m_workDir + QLatin1String("/style");
        QDir().mkpath(target);
        CopyShippedFiles(m_programDir + QLatin1String("/style"), target);
    }

    m_lines.clear();
    if (!QFileInfo::exists(path))
        return LayoutStatus::failure(QStringLiteral("スタイルファイルが見つかりません。\n%1").arg(path),
                                     LayoutStatus::Problem::Missing);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LayoutStatus::failure(QStringLiteral("スタイルファイルを読み込めません。\n%1\n%2")
                                         .arg(path, FileErrorInJapanese(file.error())),
                                     LayoutStatus::Problem::Unreadable);
    const QStringList all = SplitLines(DecodeText(file.readAll()));
    for (const QString &text : all) {
        if (text.isEmpty())
            break;
        m_lines.append(text);
    }
    if (m_lines.isEmpty())
        return LayoutStatus::failure(QStringLiteral("スタイルファイルが空です。\n%1\n").arg(path) + StyleRestoreAdvice(),
                                     LayoutStatus::Problem::Empty);
    return LayoutStatus::success();
}

LayoutStatus StyleData::OpenStyle(const QString &path)
{
    forgetItemIndex();
    // A layout that failed to open must never be saved over any file.
    CurrentStyleFile.clear();
    LayoutStatus status = LoadStyleFile(path);
    if (!status)
        return status;
    // Every style file starts with its header line. Anything else (a CSV
    // export, a note given the wrong name) is said to be no style file
    // instead of being read as a header, and none of it stays in the layout.
    if (NthField(m_lines.at(0), 1) != QLatin1String("header")) {
        m_lines.clear();
        return LayoutStatus::failure(QStringLiteral("スタイルファイルではありません。\n%1\n").arg(path) + StyleRestoreAdvice(),
                                     LayoutStatus::Problem::NotStyleFile);
    }
    RefreshDateItems();
    status = ReadStyleHeader();
    if (!status)
        return status;
    CurrentStyleFile = path;
    return LayoutStatus::success();
}

LayoutStatus StyleData::SaveStyleFile() const
{
    if (m_lines.size() <= 1 || CurrentStyleFile.isEmpty())
        return LayoutStatus::success();
    QString error;
    if (!WriteTextLinesPreferCp932(CurrentStyleFile, m_lines, &error))
        return LayoutStatus::failure(QStringLiteral("スタイルファイルを保存できませんでした。\n%1\n%2")
                                         .arg(CurrentStyleFile, error));
    return LayoutStatus::success();
}

LayoutStatus StyleData::ReadStyleHeader()
{
    forgetItemIndex();
    const QString ver10 = QStringLiteral("Ver1.0");
    QString version;
    for (int i = 0; i < m_lines.size() && !m_lines.at(i).isEmpty(); ++i) {
        const QString &text = m_lines.at(i);
        if (version != ver10) {
            if (NthField(text, 1) == QLatin1String("header"))
                version = NthField(text, 2);
            continue;
        }
        const QString kind = NthField(text, 5);
        if (kind != QLatin1String("char") && kind != QLatin1String("data"))
            continue;
        // Ver1.0 text items lack the measured right and bottom edges (fields 8
        // and 9); they start out as the item's own X and Y.
        const QStringList fields = fieldsOf(text);
        QString upgraded;
        for (int f = 1; f <= 7; ++f)
            upgraded += fieldAt(fields, f) + u';';
        upgraded += fieldAt(fields, 6) + u';' + fieldAt(fields, 7) + u';';
        upgraded += restAfterSeparator(text, 7);
        m_lines[i] = upgraded;
    }
    if (m_lines.isEmpty())
        return LayoutStatus::failure(QStringLiteral("スタイルファイルにヘッダがありません。"));
    if (version == ver10)
        m_lines[0] = QStringLiteral("header;Ver1.1;") + restAfterSeparator(m_lines.at(0), 2);

    const QString header = m_lines.at(0);
    const int offsetX = wholeNumberOr(headerField(header, 3), 0);
    const int offsetY = wholeNumberOr(headerField(header, 4), 0);
    int paperSize = 0;
    const bool paperSizeOk = ParseWholeNumber(headerField(header, 5), &paperSize);
    if (paperSizeOk)
        HeaderPaperSize = paperSize;
    HeaderOrientation = wholeNumberOr(headerField(header, 6), 0);
    HeaderPaperSource = wholeNumberOr(headerField(header, 9), 0);

    // A changed offset box rewrites the header, as a change by the user would.
    if (offsetX != window.ofxbox || offsetY != window.ofybox) {
        window.ofxbox = offsetX;
        window.ofybox = offsetY;
        WriteStyleHeader();
    }
    if (!paperSizeOk)
        return LayoutStatus::failure(
            QStringLiteral("スタイルファイルのヘッダの用紙サイズが整数ではありません: \"%1\"\n")
                    .arg(headerField(header, 5))
                + StyleRestoreAdvice(),
            LayoutStatus::Problem::BadHeader);
    return LayoutStatus::success();
}

void StyleData::WriteStyleHeader()
{
    forgetItemIndex();
    if (m_lines.isEmpty())
        return;
    m_lines[0] = QStringLiteral("header;Ver1.2;%1;%2;%3;%4;%5;%6;%7;0;;")
                     .arg(window.ofxbox)
                     .arg(window.ofybox)
                     .arg(HeaderPaperSize)
                     .arg(HeaderOrientation)
                     .arg(window.splitterPosition)
                     .arg(window.zoomPercent)
                     .arg(HeaderPaperSource);
}

void StyleData::RefreshDateItems()
{
    forgetItemIndex();
    for (int i = 1; i < m_lines.size(); ++i) {
        const int id = wholeNumberOr(idField(m_lines.at(i)).toString(), 0);
        if (id != 28 && id != 29 && id != 30)
            continue;
        const QStringList fields = fieldsOf(m_lines.at(i));
        QString rebuilt = QStringLiteral("0;") + QString::number(id) + u';';
        for (int f = 3; f <= 19; ++f)
            rebuilt += fieldAt(fields, f) + u';';
        rebuilt += u';';
        rebuilt += fieldAt(fields, 21) + u';' + fieldAt(fields, 22) + u';';
        m_lines[i] = rebuilt;
    }
}

QString StyleData::sanitizeItemText(const QString &s)
{
    QString text = StripLineBreaks(s);
    text.replace(u';', QChar(0xFF1B));
    return text;
}

bool StyleData::setItemText(int rd, const QString &s)
{
    const int index = findItem(rd);
    if (index < 0)
        return false;
    // Views into the old line instead of a split: the transfer calls this some
    // seventy times per waybill.
    const QString &old = m_lines.at(index);
    QStringView fields[22];
    int count = 0;
    qsizetype start = 0;
    while (count < 22) {
        const qsizetype pos = old.indexOf(u';', start);
        if (pos < 0) {
            // NthField appends a ';', so the rest, even an empty one, is a field.
            fields[count++] = QStringView(old).mid(start);
            break;
        }
        fields[count++] = QStringView(old).mid(start, pos - start);
        start = pos + 1;
    }
    const QString text = sanitizeItemText(s);
    QString rebuilt;
    rebuilt.reserve(old.size() + text.size() + 22);
    for (int f = 1; f <= 22; ++f) {
        if (f == 20)
            rebuilt += text;
        else
            rebuilt += f <= count ? fields[f - 1] : fields[count - 1];
        rebuilt += u';';
    }
    m_lines[index] = rebuilt;
    return true;
}
