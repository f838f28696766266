#pragma once
// The printing path: draws the layout onto the pages of one print job on a
// QPrinter (a system printer, or a PDF file when there is none), with the
// printer's own resolution, the overall offsets applied and the preview-only
// items left out. Single print, continuous print and korvel-print pdf all print
// through here.

#include "core/drawing/DrawResult.h"

#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;

class PrintJob
{
public:
    struct Options {
        int copies = 1;          // pages of the job, each the whole layout
        int zoomPercent = 100;   // the preview's zoom: fonts and pens follow PreviewDpiX
        int screenDpiX = 96;     // the preview's screen
        int screenDpiY = 96;
        int ofxbox = 0;          // overall offsets, whole mm
        int ofybox = 0;
        QString workDir;         // bare picture names are looked up in WorkDir/style
        // A test print on plain paper: the preview-only form drawing as well,
        // and the rulers, crosses and note of TestPrintMarks on every page.
        bool testPrint = false;
        // Called after page (0-based) is drawn; returning false ends the job
        // there, normally, with the pages drawn so far (a cancelled batch).
        std::function<bool(int page)> afterPage;
        // Called after the lines of page are made, before it is drawn;
        // returning false aborts the job as a failed page does (the page's
        // data could not be read): nothing of the job is printed.
        std::function<bool(int page)> pageReady;
    };

    // Makes printer write a PDF file at path (high resolution, A4 by default).
    static void configurePdf(QPrinter &printer, const QString &path);

    // Prints the layout lines once per copy, one page each, as one job. The
    // driver's own copy count is set to 1 so that no copy is made twice. On a
    // drawing error the job is aborted (a partial PDF file is removed) and the
    // error is returned; nothing is thrown.
    static DrawResult print(QPrinter &printer, const QStringList &lines, const Options &options);

    // As print, but the lines of each page come from pageLines(page); used when
    // every page carries other data (one waybill per consignee).
    static DrawResult printPages(QPrinter &printer, int pages, const std::function<QStringList(int)> &pageLines,
                                 const Options &options);
};
