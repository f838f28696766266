#pragma once
// The outcome of a drawing pass or print job. A malformed number in a style
// line stops the pass at that item; the caller gets the line and field and
// shows the message once. Nothing is thrown.

#include <QString>

struct DrawResult {
    // What went wrong, so that each caller words it in its own language: the
    // windows in Japanese, the command-line tool in English.
    enum class Failure {
        None,
        BadNumber,     // line, field and fieldText name the value
        PageTooLarge,  // pageWidth x pageHeight pixels cannot be held
        PdfNotWritten, // target is the PDF file
        PrinterNotStarted, // target is the printer's name
        PageRefused,   // page is the 1-based page
        JobNotFinished,
    };

    bool ok = true;
    Failure failure = Failure::None;
    int line = -1;     // index of the faulty line in the layout (0 = header)
    int field = 0;     // 1-based field of that line
    QString fieldText; // what the field held
    QString target;    // the PDF file or printer of a failed job
    int page = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    QString message;   // for the user, in Japanese; empty when ok

    // Overall offsets as the pass left them (a "header" item may change them).
    int overallOffsetX = 0;
    int overallOffsetY = 0;

    explicit operator bool() const { return ok; }
};
