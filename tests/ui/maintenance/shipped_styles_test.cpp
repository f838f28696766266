// Every style file the program ships: it loads, draws on the preview with its
// mark picture and on a printer page without the form, prints through the
// printing path, and has an item for every field its edition's transfer fills.
#include "core/settings/EditionProfile.h"
#include "core/settings/Editions.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"
#include "core/drawing/DrawContext.h"
#include "core/drawing/FontSubstitutions.h"
#include "core/drawing/LayoutImage.h"
#include "ui/printing/PrintJob.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
}

// The editions a style file serves: the edition whose default form it is, or
// every edition with a profile for a paper-kind file, since any may select it.
QList<int> editionsOf(const QString &file)
{
    for (const Edition &e : Editions())
        if (e.defaultStyleFile == file)
            return {e.code};
    QList<int> all;
    for (const Edition &e : Editions())
        if (!e.title.isEmpty())
            all << e.code;
    return all;
}

// The ids the record transfer gives a text in an edition, found by running the
// transfer on a layout with an item for every id and a record whose every slot
// splits into non-empty postal-code, telephone and date parts; once per time
// slot the edition offers.
QSet<int> transferredIds(int edition)
{
    QStringList probe{StyleData::newStyleHeader()};
    for (int id = 1; id <= 200; ++id)
        probe << QStringLiteral("0;%1;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;;0;0;").arg(id);
    QStringList choices = TimeSlotChoices(edition);
    if (choices.isEmpty())
        choices << QString();
    QSet<int> ids;
    for (const QString &choice : choices) {
        PrintRecord record;
        for (int slot = 0; slot < PrintRecord::SlotCount; ++slot)
            record.setSlot(slot, QStringLiteral("12-34/56-78/90"));
        record.setSlot(23, choice);
        StyleData style;
        style.setLines(probe);
        TransferOptions options;
        options.editionCode = edition;
        options.printDate = QDate(2025, 4, 1);
        TransferRecord(style, record, options);
        for (int i = 1; i < style.lineCount(); ++i)
            if (!style.line(i).section(u';', 19, 19).isEmpty())
                ids.insert(style.line(i).section(u';', 1, 1).toInt());
    }
    return ids;
}

// The item ids of an edition's field buttons in the layout editor.
QSet<int> fieldButtonIds(int edition)
{
    const EditionProfile profile = ProfileFor(edition);
    QSet<int> ids;
    for (const auto *group : {&profile.group1, &profile.group2, &profile.group3})
        for (const FieldButton &button : *group)
            if (button.visible())
                ids.insert(button.itemId);
    return ids;
}

// The device rectangle of the first picture of a layout at dpi.
QRect pictureRect(const QStringList &lines, const QString &folder, int dpi)
{
    for (const QString &line : lines) {
        const QStringList f = line.split(u';');
        if (f.value(4) != QLatin1String("image"))
            continue;
        const QImage picture(folder + u'/' + f.value(12));
        if (picture.isNull())
            return {};
        const double h = f.value(8).toDouble();
        const double w = std::floor(picture.width() * h / picture.height() + 0.5);
        const auto px = [dpi](double mm) { return int(mm * dpi / 25.4); };
        return QRect(QPoint(px(f.value(5).toDouble()), px(f.value(6).toDouble())),
                     QPoint(px(f.value(5).toDouble() + w) - 1, px(f.value(6).toDouble() + h) - 1));
    }
    return {};
}

int inkIn(const QImage &image, const QRect &rect)
{
    int ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++ink;
    return ink;
}

int differingIn(const QImage &a, const QImage &b, const QRect &rect)
{
    int differing = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++differing;
    return differing;
}

} // namespace

class ShippedStylesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InstallFontSubstitutions();
        QVERIFY(QFileInfo(programDir() + "/style").isDir());
    }

    void everyFormShipsWithTheProgram()
    {
        for (const Edition &e : Editions())
            if (!e.defaultStyleFile.isEmpty())
                QVERIFY2(QFileInfo::exists(programDir() + "/style/" + e.defaultStyleFile), qPrintable(e.defaultStyleFile));
        for (const PaperKindInfo &kind : PaperKinds())
            QVERIFY2(QFileInfo::exists(programDir() + "/style/" + kind.styleFile), qPrintable(kind.styleFile));
    }

    void drawsAndPrintsWithEveryTransferredField_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(programDir() + "/style").entryList({"*.sle"}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 8);
        for (const QString &file : files)
            QTest::newRow(file.toUtf8().constData()) << file;
    }

    void drawsAndPrintsWithEveryTransferredField()
    {
        QFETCH(QString, file);
        const QString folder = programDir() + "/style";
        StyleData style;
        const LayoutStatus opened = style.OpenStyle(folder + u'/' + file);
        QVERIFY2(opened.ok, qPrintable(opened.message));

        for (int edition : editionsOf(file)) {
            QSet<int> ids = transferredIds(edition);
            // A payment slip has no place for a sender's address, a delivery date
            // or pieces: its fields are those its layout editor offers buttons for.
            if (edition == EditionBrenno && editionsOf(file).size() == 1)
                ids &= fieldButtonIds(edition);
            QVERIFY(ids.contains(6) && ids.contains(16) && ids.contains(141));
            for (int id : ids)
                QVERIFY2(style.findItem(id) > 0, qPrintable(QStringLiteral("item %1 missing for edition %2").arg(id).arg(edition)));
        }

        PrintRecord record;
        QVERIFY(LoadSingleData(programDir() + "/conf/singledata.txt", record).ok);
        TransferOptions options;
        options.editionCode = editionsOf(file).first();
        TransferRecord(style, record, options);
        const QStringList lines = style.lines();

        // Preview: drawn without an error, the mark picture found in the work
        // folder's style folder (here the program's own).
        const QSize page = PrintableAreaPixels(200, 287, 96, 96, 100);
        DrawContext withPictures = DrawContext::forPreview(96, 96, 100);
        withPictures.workDir = programDir();
        const LayoutImage preview = RenderLayoutImage(lines, withPictures, page);
        QVERIFY2(preview.result.ok, qPrintable(preview.result.message));
        DrawContext withoutPictures = withPictures;
        withoutPictures.workDir = QDir::tempPath() + "/no-such-korvel-folder";
        const LayoutImage bare = RenderLayoutImage(lines, withoutPictures, page);
        const QRect mark = pictureRect(lines, folder, 96);
        QVERIFY(!mark.isEmpty());
        QVERIFY2(differingIn(preview.image, bare.image, mark) > mark.width() * mark.height() / 20,
                 "the mark picture is not on the preview");

        // Printer page: drawn without an error; the form and its picture stay off the paper.
        const LayoutImage paper =
            RenderLayoutImage(lines, DrawContext::forPrinter(300, 300, 96, 96, 100), PrintableAreaPixels(200, 287, 300, 300, 100));
        QVERIFY2(paper.result.ok, qPrintable(paper.result.message));
        QCOMPARE(inkIn(paper.image, pictureRect(lines, folder, 300)), 0);
        QVERIFY(inkIn(paper.image, paper.image.rect()) > 0);

        // The printing path into a PDF page.
        QTemporaryDir out;
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, out.filePath("page.pdf"));
        PrintJob::Options job;
        job.workDir = programDir();
        const DrawResult printed = PrintJob::print(printer, lines, job);
        QVERIFY2(printed.ok, qPrintable(printed.message));
        QVERIFY(QFileInfo(out.filePath("page.pdf")).size() > 1000);
    }
};

QTEST_MAIN(ShippedStylesTest)
#include "shipped_styles_test.moc"
