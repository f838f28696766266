// The interface font: the generic "Sans Serif" Qt falls back on without a
// desktop's font is replaced by one installed family that writes every script
// of the program's texts; a desktop's own font is left alone.

#include "ui/main/FontConfigWarmUp.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QtTest>

class InterfaceFontTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setFont(m_original); }

    void theGenericNameBecomesAJapaneseFamily()
    {
        QFont generic(QStringLiteral("Sans Serif"), 9);
        generic.setBold(true);
        QApplication::setFont(generic);
        UseConcreteInterfaceFamily();
        const QFont font = QApplication::font();
        QVERIFY2(QFontDatabase::hasFamily(font.family()), qPrintable(font.family()));
        QCOMPARE(font.pointSize(), 9);
        QVERIFY(font.bold());
        // One font writes it all: nothing of a tab title, a button or a box
        // has to come from a fallback font.
        const QFontMetrics metrics(font);
        for (char32_t c : {U'印', U'お', U'リ', U'ー', U'〒', U'T', U'1', U'→'})
            QVERIFY2(metrics.inFontUcs4(c), qPrintable(QStringLiteral("%1 lacks U+%2").arg(font.family()).arg(uint(c), 4, 16)));
    }

    void aDesktopsOwnFontIsKept()
    {
        const QFont chosen(QStringLiteral("DejaVu Sans"), 11);
        QApplication::setFont(chosen);
        UseConcreteInterfaceFamily();
        QCOMPARE(QApplication::font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QApplication::font().pointSize(), 11);
    }

private:
    const QFont m_original = QApplication::font();
};

QTEST_MAIN(InterfaceFontTest)
#include "interface_font_test.moc"
