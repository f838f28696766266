#pragma once
// The sender list senderView of the print-settings page: filled from the table
// company, sorted by a header click (identifiers as text), and the source of
// "the selected sender" for the record assembly.

#include "core/addressbook/SenderRows.h"

#include <QObject>
#include <QStringList>
#include <QVector>

class QTreeWidget;
class Database;

class SenderList : public QObject
{
    Q_OBJECT
public:
    SenderList(QTreeWidget *view, Database &db, const QString &addressDb, QObject *parent = nullptr);

    // readSenders: refills the list in query order, keeps the selected row
    // index (row 0 when it no longer exists) and applies the sort again.
    void readSenders();
    // The identifier of the selected sender; with no selection the first row
    // is selected first. 0 when the list is empty.
    int selectedSenderId();
    int selectedIndex() const;
    // Selects row index; when that selects nothing and rows exist, row 0.
    void selectIndex(int index);
    int rowCount() const;
    // After the sender editor closed on row i: row i again, or the new last row
    // when i was the last one and it was deleted.
    void reselectAfterEdit(int i);
    // The rows as shown: {ID, name}.
    QVector<QStringList> rows() const;
    // A header click on column 0 (ID) or 1 (お名前).
    void clickColumn(int column);
    int sortState() const { return m_sortState; }

signals:
    // The user clicked a sender (its identifier).
    void senderClicked(int senderId);
    // The list was refilled.
    void refilled();

private:
    void fill(const QVector<SenderRow> &rows);

    QTreeWidget *m_view;
    Database &m_db;
    QString m_addressDb;
    QVector<SenderRow> m_rows; // query order
    int m_sortState = 0;
};
