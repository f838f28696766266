// Every edition's main window at its default size: the top bar shows each of
// its controls whole, the consignee list shows all four columns wide enough
// for typical entries, and the list page's header picture follows the page's
// width.

#include "support/MainWindowTestFiles.h"
#include "support/TestNotices.h"

#include "ui/addressbook/ConsigneeListPage.h"
#include "core/settings/Editions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TopBar.h"
#include "core/settings/WindowPositionFile.h"
#include "ui/controls/ElidingLabel.h"
#include "ui/controls/StretchedPicture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Typical entries of the consignee list's four columns.
const char *const typicalConsignee[] = {"山田　太郎", "123-4567", "東京都千代田区千代田1-1", "03-1234-5678"};

// Shows the window at its default size. (The test screen is smaller than a
// real one, so the size is set after the placement on the screen.)
bool showAtDefaultSize(MainWindow &w)
{
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    w.resize(WindowPosition::DefaultWidth, WindowPosition::DefaultHeight);
    QApplication::processEvents();
    return true;
}

void addEditions()
{
    QTest::addColumn<QString>("exe");
    for (const Edition &e : Editions())
        QTest::newRow(qPrintable(e.exeName)) << e.exeName;
}

} // namespace

class WindowFitTest : public QObject
{
    Q_OBJECT
private slots:
    void theTopBarFitsTheDefaultWindow_data() { addEditions(); }

    void theTopBarFitsTheDefaultWindow()
    {
        QFETCH(QString, exe);
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), exe, root.path());
        QVERIFY(showAtDefaultSize(w));
        QVERIFY2(w.minimumSizeHint().width() <= WindowPosition::DefaultWidth,
                 qPrintable(QString::number(w.minimumSizeHint().width())));
        QVERIFY2(w.minimumSizeHint().height() <= WindowPosition::DefaultHeight,
                 qPrintable(QString::number(w.minimumSizeHint().height())));
        QCOMPARE(w.size(), QSize(WindowPosition::DefaultWidth, WindowPosition::DefaultHeight));
        const QRect window = w.rect();
        for (QWidget *child : w.pages().topBar->findChildren<QWidget *>()) {
            if (!child->isVisibleTo(&w))
                continue;
            const QRect place(child->mapTo(&w, QPoint(0, 0)), child->size());
            QVERIFY2(window.contains(place), qPrintable(child->objectName() + " " + child->metaObject()->className()));
            auto *button = qobject_cast<QAbstractButton *>(child);
            if (!button)
                continue;
            // The small arrow buttons beside the number boxes have a fixed
            // size; their arrow must fit. Every other button gets its full size.
            const bool fixed = button->minimumSize() == button->maximumSize();
            const int needed = fixed ? button->fontMetrics().horizontalAdvance(button->text()) : button->sizeHint().width();
            QVERIFY2(button->width() >= needed, qPrintable(button->text()));
        }
    }

    void theConsigneeListShowsEveryColumn_data() { addEditions(); }

    void theConsigneeListShowsEveryColumn()
    {
        QFETCH(QString, exe);
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), exe, root.path());
        QVERIFY(showAtDefaultSize(w));
        w.pages().left->setCurrentIndex(2);
        QTableView *list = w.pages().list->consigneeGrid;
        QTRY_VERIFY(list->isVisible());
        const QFontMetrics metrics(list->font());
        QHeaderView *header = list->horizontalHeader();
        for (int c = 0; c < 4; ++c) {
            const QString typical = QString::fromUtf8(typicalConsignee[c]);
            QVERIFY2(header->sectionSize(c) > metrics.horizontalAdvance(typical),
                     qPrintable(typical + " " + QString::number(header->sectionSize(c))));
            const int right = header->sectionViewportPosition(c) + header->sectionSize(c);
            QVERIFY2(right <= list->viewport()->width(),
                     qPrintable(QString("column %1 ends at %2 of %3").arg(c).arg(right).arg(list->viewport()->width())));
        }
    }

    // The bar above the list is stretched over the page, however wide the
    // user drags the panel.
    void theListHeaderPictureFollowsThePanel()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        QVERIFY(showAtDefaultSize(w));
        w.pages().left->setCurrentIndex(2);
        ConsigneeListPage *page = w.pages().list;
        auto *splitter = w.findChild<QSplitter *>("pageSplitter");
        QVERIFY(splitter);
        w.resize(1400, WindowPosition::DefaultHeight);
        splitter->setSizes({700, 700});
        QTRY_VERIFY(page->width() > 600);
        QWidget *bar = page->searchBar;
        QTRY_VERIFY(bar->width() >= page->width() - 8);
        const QImage picture(programDir() + "/images/bar6.bmp");
        const QImage shown = bar->grab().toImage();
        const int y = shown.height() / 2;
        const QColor expected = picture.pixelColor(picture.width() - 1, y * picture.height() / shown.height());
        const QColor got = shown.pixelColor(shown.width() - 1, y);
        QVERIFY2(qAbs(got.red() - expected.red()) + qAbs(got.green() - expected.green())
                         + qAbs(got.blue() - expected.blue()) < 24,
                 qPrintable(got.name() + " " + expected.name()));
    }

    // The bar above the list is the list's title bar: it carries the page's
    // name in dark letters over the edition's light picture.
    void theListTitleBarShowsThePageName()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        QVERIFY(showAtDefaultSize(w));
        w.pages().left->setCurrentIndex(2);
        StretchedPicture *bar = w.pages().list->searchBar;
        QTRY_VERIFY(bar->isVisible() && bar->width() > 100);
        QCOMPARE(bar->caption(), QString("お届け先リスト"));
        const QImage shown = bar->grab().toImage();
        // Dark pixels between the bar's edge lines, where the caption is.
        int ink = 0;
        for (int y = 2; y < shown.height() - 2; ++y)
            for (int x = 0; x < shown.width() / 2; ++x)
                if (qGray(shown.pixel(x, y)) < 80)
                    ++ink;
        QVERIFY2(ink > 20, qPrintable(QString::number(ink)));
    }

    // In a narrow window a message of the status bar is shown whole: the
    // style file's path beside it is cut in the middle instead, and the whole
    // path comes back once the message is gone.
    void aStatusMessageIsNotCutByTheStylePath()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        QVERIFY(showAtDefaultSize(w));
        w.resize(800, WindowPosition::DefaultHeight);
        QTRY_COMPARE(w.width(), 800);
        QLabel *path = w.findChild<QLabel *>("styleFileLabel");
        QVERIFY(path);
        const QString message = "PDFファイルに印刷しました: /home/shop/送り状/2026-12-11.pdf";
        QStatusBar *bar = w.statusBar();
        // As on a station that works on a shared server, a second note beside the path.
        auto *store = new ElidingLabel(bar);
        store->setText("このパソコンのデータで作業中（共有サーバーに接続できませんでした）");
        bar->addPermanentWidget(store);
        // A path that leaves the message too little room when shown whole.
        QString file = "/home/shop/.local/share/korvel/zerrat_xe2/style/zerrat.sle";
        const QFontMetrics metrics(path->font());
        while (metrics.horizontalAdvance(file) + bar->fontMetrics().horizontalAdvance(message) < bar->width())
            file.insert(file.lastIndexOf('/'), "/form");
        path->setText(file);
        bar->showMessage(message);
        // The message is drawn from x = 6 and ends 2 pixels before the first note.
        QTRY_VERIFY2(path->x() >= 6 + bar->fontMetrics().horizontalAdvance(message) + 2,
                     qPrintable(QString("the path starts at %1").arg(path->x())));
        QCOMPARE(path->text(), file);
        QCOMPARE(w.width(), 800); // a long path does not widen the window either
        QVERIFY(path->isVisible());
        QVERIFY(path->width() > 0);
        bar->clearMessage();
        QTRY_VERIFY(path->width() > w.width() / 2); // the path has its room again
    }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
