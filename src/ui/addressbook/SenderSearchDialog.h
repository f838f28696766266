#pragma once
// The sender search dialog: a sortable copy of the main window's sender list
// from which the consignee list's sender filter is chosen. "指定解除" clears
// the choice; "実　行" closes with OK.

#include <QDialog>
#include <QStringList>
#include <QVector>

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class SenderSearchDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SenderSearchDialog(QWidget *parent = nullptr);

    // Replaces the rows with a copy of the sender list ({ID, name} each).
    void setRows(const QVector<QStringList> &rows);
    // The group caption (the main window's sender group) and the title label
    // (the caption of the button that opened it).
    void setCaptions(const QString &groupCaption, const QString &title);
    // The selected sender's ID and name; empty when none is selected.
    QString selectedId() const;
    QString selectedName() const;
    // A header click on column 0 (ID) or 1 (お名前).
    void clickColumn(int column);
    int sortState() const { return m_sortState; }

    QGroupBox *senderFrame = nullptr;
    QLabel *titleLabel = nullptr;
    QTreeWidget *senderChoice = nullptr;
    QPushButton *clearButton = nullptr; // 指定解除
    QPushButton *runButton = nullptr;   // 実　行

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    // Selects the row of sender id, when the list still holds it.
    void reselect(const QString &id);

    QVector<QStringList> m_rows;
    int m_sortState = 0;
};
