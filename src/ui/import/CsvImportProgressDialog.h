#pragma once
// The CSV import's progress in a window-modal dialog over the main window:
// the lines written out of the file's total, and a cancel that the importer
// answers by taking the whole import back.

#include <QPointer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

class CsvImportProgressDialog
{
public:
    explicit CsvImportProgressDialog(QWidget *parent);
    ~CsvImportProgressDialog();
    CsvImportProgressDialog(const CsvImportProgressDialog &) = delete;
    CsvImportProgressDialog &operator=(const CsvImportProgressDialog &) = delete;

    // The importer's progress report: opens the dialog with the first report
    // and moves it on; returns false once the user has cancelled.
    bool report(int done, int total);

    // The dialog's text for done lines out of total.
    static QString labelText(int done, int total);

private:
    QPointer<QWidget> m_parent;
    std::unique_ptr<QProgressDialog> m_dialog;
};
