#pragma once
// The right-hand page "印刷履歴" (historyPage): the sending history of the
// running edition in the grid historyGrid, with its search box, the sort by
// header clicks and the buttons for correcting, reprinting and registering a
// row. It reads the history itself; what a reprint or a registration does with
// the row is wired by the main window.
//
// The page is not in front when the window opens, so the grid is made, with
// its model, header and column widths, only when the page is first shown or
// used (grid()): making it, measuring its header captions and styling its
// header would otherwise delay the window for a page nobody sees yet. Without
// the grid the page is no wider than with it: its buttons set its width.

#include <QWidget>
#include <memory>

class HistoryTableModel;
class QAction;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class Database;

class HistoryPage : public QWidget
{
    Q_OBJECT
public:
    // registerCaption: the caption of registerConsigneeAction ("履歴から" + block + "登録").
    HistoryPage(Database &db, const QString &membersDb, int editionCode, const QString &registerCaption,
                QWidget *parent = nullptr);
    ~HistoryPage() override;

    // readHistory: refills the grid with the edition's history, by the search
    // text when there is one, else in the sort state's order. A failed query
    // is reported and leaves the grid empty; returns false then.
    bool readHistory();
    // A click on the header of column (0..9): the new sort state, then a refill.
    void clickColumn(int column);
    int sortState() const;
    // The search text of the rows shown (the box may hold a newer one).
    QString shownSearchText() const { return m_shownSearch; }

    // Column 1 of the selected row; empty without a selection or on the empty row.
    QString selectedId() const;
    // Selects row r (nothing outside the grid).
    void selectRow(int r);
    int rowCount() const;
    HistoryTableModel *model() const { return m_model; }
    // The grid, made with its model, header and column widths when first wanted.
    QTableView *grid();
    // Makes the grid before the page is first shown, so that it is laid out and shown with it.
    void setVisible(bool visible) override;
    // Identifiers read at a time by a search the index cannot narrow.
    int pageRows = 1000;

    QLineEdit *searchBox = nullptr;
    QPushButton *searchButton = nullptr;   // 検索
    QPushButton *editButton = nullptr;  // 送付履歴を修正
    QToolButton *reprintButton = nullptr;   // reprintAction
    QToolButton *registerButton = nullptr;   // registerConsigneeAction
    QPushButton *addButton = nullptr;  // 新規追加: hidden, no function
    QAction *reprintAction = nullptr;
    QAction *registerConsigneeAction = nullptr;
    QAction *exportAction = nullptr;       // 履歴をCSVに書き出す
    QToolButton *exportButton = nullptr;

signals:
    // A double click or "送付履歴を修正" on a row with this identifier.
    void editRequested(const QString &id);
    // "履歴から印刷" on a row with this identifier.
    void reprintRequested(const QString &id);
    // "履歴から…登録" on a row with this identifier.
    void registerRequested(const QString &id);
    // 「履歴をCSVに書き出す」: the rows shown, in their order.
    void exportRequested();

private:
    // Makes the grid with its model, header and column widths, once.
    void prepareGrid();
    // Emits signal with the selected row's identifier when there is one.
    void withSelectedId(void (HistoryPage::*signal)(const QString &));

    Database &m_db;
    std::unique_ptr<Database> m_rowReader; // reads the rows the grid shows
    QString m_membersDb;
    int m_editionCode;
    HistoryTableModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QString m_shownSearch;
};
