#pragma once
// The phrase list: the table ITEMS shown as a grid of ID and phrase. A double
// click chooses a phrase (the dialog closes with OK); "新規追加", "修　正" (or a
// click with Shift held) and "削　除" maintain the list in place.

#include <QDialog>
#include <functional>

class PhraseStore;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableWidget;

class PhraseListDialog : public QDialog
{
    Q_OBJECT
public:
    PhraseListDialog(PhraseStore &store, QWidget *parent = nullptr);

    // Opens modally after a refresh; true with the chosen phrase in *phrase
    // when the user double-clicked a row.
    bool choose(QString *phrase);
    // The title label: the main window's phrase-list caption.
    void setTitle(const QString &title);

    // Reads the table into the grid (row 0 is the empty header row, at least
    // one empty row follows).
    void refresh();
    // The phrase and the ID of the selected row; empty when none.
    QString selectedPhrase() const;
    QString selectedId() const;
    // Selects grid row r (for callers and tests).
    void selectRow(int r);

    // "新規追加", "修　正", "削　除".
    void addClick();
    void changeClick(bool fromShiftClick = false);
    void deleteClick();

    // The one-line input box; replaceable so that tests need no typing.
    std::function<bool(const QString &initial, QString *text)> askText;

    QLabel *titleLabel = nullptr;
    QTableWidget *grid = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *changeButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QStatusBar *statusLine = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PhraseStore &m_store;
};
