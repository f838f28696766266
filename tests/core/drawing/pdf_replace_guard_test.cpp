#include "core/drawing/PdfReplaceGuard.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The program's own PDF is set aside while the printer dialog is open, so the
// dialog has nothing to ask about; it is dropped only when the print goes to
// the same file, and otherwise comes back as it was.
TEST(PdfReplaceGuard, TheOldPdfIsKeptUnlessTheNewPrintReplacesIt)
{
    struct Case {
        const char *name;
        bool automatic;  // the program's own PDF, not a file chosen by hand
        bool accepted;
        bool samePath;
        QByteArray expected; // the file at the path after the dialog
    } cases[] = {
        {"printed again to it", true, true, true, "<missing>"},
        {"cancelled", true, false, true, "old"},
        {"printed to another file", true, true, false, "old"},
        {"a file chosen by hand", false, true, true, "old"},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("zerrat_xe2.pdf"));
        writeFile(pdf, "old");
        {
            PdfReplaceGuard guard(pdf, c.automatic ? pdf : dir.filePath(QStringLiteral("other.pdf")));
            EXPECT_EQ(QFile::exists(pdf), !c.automatic) << c.name;
            guard.finish(c.accepted, c.samePath ? pdf : dir.filePath(QStringLiteral("elsewhere.pdf")));
        }
        EXPECT_EQ(readFile(pdf), c.expected) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), c.expected == "<missing>" ? 0 : 1) << c.name;
    }
}

TEST(PdfReplaceGuard, AGuardLeftWithoutAnAnswerPutsTheFileBack)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
    writeFile(pdf, "old");
    {
        PdfReplaceGuard guard(pdf, pdf);
        EXPECT_FALSE(guard.asidePath().isEmpty());
    }
    EXPECT_EQ(readFile(pdf), QByteArray("old"));
}
