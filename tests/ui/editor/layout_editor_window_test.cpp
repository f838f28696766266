#include "support/TestNotices.h"
#include "ui/main/MainActions.h"
#include "core/text/TextFields.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/WaybillView.h"
#include "ui/controls/NumberEdit.h"
#include "ui/editor/LayoutEditorPage.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
}

// The line of item id in the window's layout.
QString itemLine(MainWindow &w, int id)
{
    return w.state().style.line(w.state().style.findItem(id));
}

} // namespace

class LayoutEditorWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void theEditorIsTheSecondLeftPage()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        QCOMPARE(w.pages().left->widget(1), static_cast<QWidget *>(w.pages().editor));
        QCOMPARE(w.pages().left->tabText(1), QStringLiteral("印刷位置調整"));
        QCOMPARE(w.pages().editor->fieldButton("btn1")->text(), QStringLiteral("郵便番号1"));
    }

    void anotherLayoutClearsTheSelectionAndThePanel_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::newRow("paper kind") << false;
        QTest::newRow("style restore") << true;
    }

    // After the layout is replaced nothing is selected: the panel shows no
    // field's position, size or font any more, and an apply asks for a field.
    void anotherLayoutClearsTheSelectionAndThePanel()
    {
        QFETCH(bool, restore);
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        w.ensureStarted();
        w.pages().left->setCurrentIndex(1);
        LayoutEditorPage *page = w.pages().editor;
        QVERIFY(w.state().style.findItem(3) > 0);
        QTest::mouseClick(page->fieldButton("btn3"), Qt::LeftButton);
        QVERIFY(page->editor().hasSelection());
        QVERIFY(page->cx->Value() != 0);
        QVERIFY(!page->cf->text().isEmpty());

        if (restore)
            w.pages().actions->styleRestore->trigger();
        else
            w.view()->selectPaperKind(1);
        QVERIFY(!page->editor().hasSelection());
        QVERIFY(page->fieldNameLabel->text().isEmpty());
        QCOMPARE(page->cx->Value(), Extended(0));
        QCOMPARE(page->cy->Value(), Extended(0));
        QCOMPARE(page->cs->text(), QString());
        QCOMPARE(page->cf->text(), QString());
        QCOMPARE(page->cb->text(), QString());

        const QStringList loaded = w.state().style.lines();
        notices.texts.clear();
        page->cx->setFocus();
        QTest::keyClick(page->cx, Qt::Key_Return);
        QTest::mouseClick(page->RightBtn, Qt::LeftButton);
        QCOMPARE(notices.texts.size(), 2);
        QCOMPARE(w.state().style.lines(), loaded);
    }

    void aMovedFieldAndItsFontSurviveARestart()
    {
        QTemporaryDir root;
        QString moved;
        {
            NoticeCatcher notices;
            MainWindow w(programDir(), "zerrat_xe2", root.path());
            w.show();
            w.ensureStarted();
            w.pages().left->setCurrentIndex(1);
            LayoutEditorPage *page = w.pages().editor;
            page->setFontChooser([](const FieldFontChoice &initial, QWidget *) -> std::optional<FieldFontChoice> {
                FieldFontChoice c = initial;
                c.fontName = QStringLiteral("IPAGothic");
                c.pointSize = 16;
                c.bold = true;
                return c;
            });
            QVERIFY(w.state().style.findItem(3) > 0);
            QTest::mouseClick(page->fieldButton("btn3"), Qt::LeftButton);
            const Millimetre before = *Millimetre::parse(NthField(itemLine(w, 3), 6));
            QTest::mouseClick(page->RightBtn, Qt::LeftButton, Qt::ControlModifier);
            QTest::mouseClick(page->fontButton, Qt::LeftButton);
            moved = itemLine(w, 3);
            QCOMPARE(NthField(moved, 6), CutToTenth(before + Millimetre::fromWhole(10)).toString());
            QCOMPARE(NthField(moved, 14), QStringLiteral("IPAGothic"));
            w.close();
        }
        NoticeCatcher notices;
        MainWindow again(programDir(), "zerrat_xe2", root.path());
        again.ensureStarted();
        const QString reloaded = itemLine(again, 3);
        for (int n : {6, 7, 14, 15, 16})
            QCOMPARE(NthField(reloaded, n), NthField(moved, n));
    }
};

QTEST_MAIN(LayoutEditorWindowTest)
#include "layout_editor_window_test.moc"
