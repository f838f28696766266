#pragma once
// The left page "お届け先リスト" (consigneeListPage): the consignee list with its search
// box, the print-only option, the sender filter button, the check boxes that
// make up the checked-consignee list, and column sorting. It reads the address
// book itself; what a selection or a command means for the waybill is the main
// window's wiring.

#include "core/addressbook/CheckedConsignees.h"

#include <QWidget>

class ConsigneeTableModel;
class QAction;
class QCheckBox;
class QLabel;
class StretchedPicture;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class Database;

class ConsigneeListPage : public QWidget
{
    Q_OBJECT
public:
    ConsigneeListPage(Database &db, const QString &addressDb, const QString &membersDb,
                      QWidget *parent = nullptr);

    // readConsignees: refills the list from the address book with the search
    // text, the sender filter and the print-only option; ticks come from the
    // checked-consignee list and the sort state is applied again. The selected
    // consignee stays selected when it is still shown; when it is not, no row
    // is selected and consigneeSelected reports an empty identifier.
    void readConsignees();
    // The search (Enter in the search box, 住所検索): the refill, and then the
    // first hit is the current row, shown at the top, whatever was selected
    // before. Without a search text (or with the print-only option, which
    // ignores it) it is a plain refill.
    void search();
    // The activation of the page: remembers the selected row index, refills,
    // selects that index again (row 0 when that selects nothing).
    void activate();

    // The selected row's identifier; empty without selection.
    QString selectedId() const;
    // The selected row index, -1 without selection.
    int selectedIndex() const;
    // Selects row index (nothing when it is outside the list) without
    // reporting a selection.
    void selectIndex(int index);
    // Selects the row of consignee id (nothing when it is not shown), quietly as selectIndex.
    void selectId(const QString &id);
    int rowCount() const;

    // A click on header column (0 .. 3): the same column again reverses.
    void clickColumn(int column);
    int sortState() const { return m_sortState; }

    // すべて選択 / すべて解除 of the rows shown; hidden rows keep their state.
    void selectAll();
    void cancelAll();
    // The identifiers of the ticked rows shown, in row order.
    QStringList checkedShownIds() const;
    // The identifiers of every row shown, in list order.
    QStringList shownIds() const;

    // The sender filter: company.ID or -1, with its name for the preview header.
    void setSenderFilter(int senderId, const QString &name);
    int senderFilter() const { return m_senderFilter; }
    QString senderFilterName() const { return m_senderFilterName; }

    // The commands of the list's context menu, in menu order (null: separator).
    void setContextActions(const QList<QAction *> &actions);
    // The edition's words: the list's title (on its bar), the caption of the
    // sender filter button; and its bar picture.
    void applyCaptions(const QString &title, const QString &senderSearchCaption, const QPixmap &barPicture);

    CheckedConsignees &checked() { return m_checked; }
    const CheckedConsignees &checked() const { return m_checked; }
    ConsigneeTableModel *model() const { return m_model; }

    // Wide enough for the list's columns at their start widths.
    QSize sizeHint() const override;

    StretchedPicture *searchBar = nullptr; // the edition's header picture
    QLineEdit *addressSearch = nullptr;
    QPushButton *addressSearchButton = nullptr;     // 住所検索
    QCheckBox *printOnlyBox = nullptr;     // 印刷するデータのみ表示
    QPushButton *senderFilterButton = nullptr;     // sender filter
    QLabel *key1 = nullptr;             // the filtering sender's name
    QToolButton *newConsigneeButton = nullptr;    // new consignee
    QToolButton *editConsigneeButton = nullptr;    // edit the selected consignee
    QTableView *consigneeGrid = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    // Space ticks the current row from any of its cells.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // Another row became the current one: the user selected it (its
    // identifier), or a refill no longer shows the selected consignee (empty).
    void consigneeSelected(const QString &id);
    // A row was double-clicked.
    void editRequested();
    // senderFilterButton was pressed.
    void senderFilterRequested();
    // A tick was set or removed by the user.
    void checksChanged();

private:
    // Fills the model from the address book; the selection is left to the
    // caller. False, with the rows kept and the reason shown, when it cannot be read.
    bool fill();
    // Ticks or unticks the row of the keyboard cursor.
    void toggleCurrentRow();
    // The header's arrow on the sorted column (none while unsorted).
    void showSortIndicator();

    Database &m_db;
    QString m_addressDb;
    QString m_membersDb;
    CheckedConsignees m_checked;
    ConsigneeTableModel *m_model = nullptr;
    int m_sortState = 0;
    int m_senderFilter = -1;
    QString m_senderFilterName;
    bool m_quiet = false;
    bool m_headerShown = false;
};
