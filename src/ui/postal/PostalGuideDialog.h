#pragma once
// The postal-code guide 「郵便番号表」: searches the postal-code table by any
// part of a code or address and hands the double-clicked row to its caller.
// When the database file is missing it first offers to build it from the
// national postal-code list, with a progress bar and a cancel button.
//
// Callers prefill searchBox, exec() the dialog and, on Accepted, read
// chosenText(1..4): postal code, prefecture, city, town area (any other column
// is empty).

#include "core/postal/ZipGuideBuffer.h"
#include "ui/addressbook/EditorContext.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTableView;
class ZipGuideModel;

class PostalGuideDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PostalGuideDialog(const EditorContext &context, QWidget *parent = nullptr);
    ~PostalGuideDialog() override;

    // Searches with the text of searchBox (Enter in the box and "検索" do this).
    void search();
    // Lists the whole table.
    void listAll();
    // Builds the table from the national postal-code list at csvPath; false
    // when nothing was added (unreadable file, a malformed line, cancelled).
    bool importFromFile(const QString &csvPath);
    // Asks the running import to stop and undo what it added.
    void cancelImport() { m_cancelRequested = true; }
    bool importing() const { return m_importing; }

    // Column 1..4 of the row chosen by the last double-click; empty otherwise.
    QString chosenText(int column) const;
    // Number of rows of the last search.
    int resultCount() const { return m_buffer.size(); }
    // The grid's text at (row, column), row 0-based over the results.
    QString gridText(int row, int column) const;
    // Status bar panel i (0..4).
    QString panelText(int index) const;

    // The file chooser of the import (a file-open dialog in the program folder
    // unless replaced); an empty path means the user cancelled.
    void setImportFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }
    // Chooses the row (0-based) as a double-click does and closes with OK.
    void chooseRow(int row);

    QLineEdit *searchBox = nullptr;
    QPushButton *searchButton = nullptr; // 検索
    QTableView *resultGrid = nullptr;
    QProgressBar *importProgress = nullptr;
    QPushButton *cancelButton = nullptr; // stops the import
    QLabel *importCaption = nullptr;     // the address being added
    QStatusBar *statusLine = nullptr;


signals:
    // An import replaced the table of postal codes.
    void tableReplaced();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

public:
    // Closing during an import stops the import first.
    void reject() override;

private:
    void buildWindow();
    void runSearch(const QString &text);
    void prepareForShow();
    void setImporting(bool on);

    EditorContext m_context;
    ZipGuideBuffer m_buffer;
    ZipGuideModel *m_model = nullptr;
    QLabel *m_panels[5] = {};
    QStringList m_chosen;
    std::function<QString()> m_chooseFile;
    bool m_importing = false;
    bool m_cancelRequested = false;
};
