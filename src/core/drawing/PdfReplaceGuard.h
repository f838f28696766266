#pragma once
// The printer dialog asks before it overwrites an existing output file, with
// "No" as the default. For the PDF the program names by itself (no printer on
// the machine) that question only gets in the way: every print replaces it.
// The guard sets the old file aside while the dialog is open and puts it back
// when the print is cancelled or goes to another file, so nothing is lost.

#include <QString>

class PdfReplaceGuard
{
public:
    // Sets path aside when it exists and is the program's own PDF.
    PdfReplaceGuard(const QString &path, const QString &automaticPath);
    // Puts the old file back unless finish() was told it is being replaced.
    ~PdfReplaceGuard();

    PdfReplaceGuard(const PdfReplaceGuard &) = delete;
    PdfReplaceGuard &operator=(const PdfReplaceGuard &) = delete;

    // The dialog's outcome: printing to chosenPath. The old file is dropped
    // when the new print replaces it, and put back otherwise.
    void finish(bool accepted, const QString &chosenPath);

    // Where the old file waits meanwhile (empty when nothing was set aside).
    QString asidePath() const { return m_aside; }

private:
    void putBack();

    QString m_path;
    QString m_aside;
};
