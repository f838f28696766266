#pragma once
// 「住所と郵便番号を確認」: every consignee of the address book whose postal
// code and address disagree, with what the national table gives for the code.
// A row opens in the consignee editor; after an edit the book is checked again.

#include "core/addressbook/PostalMismatches.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

class PostalCheckDialog : public QDialog
{
    Q_OBJECT
public:
    // readConsignees gives every consignee of the book; editConsignee opens the
    // editor for one and says whether it was saved or deleted. party is the
    // edition's word for a consignee (お届け先, ご依頼人).
    // table gives the national table at each check (an import may replace it
    // while the dialog is open); null when there is none.
    PostalCheckDialog(std::function<const PostalAddressTable *()> table, const QString &party,
                      std::function<QVector<ConsigneeRow>()> readConsignees,
                      std::function<bool(const QString &id)> editConsignee, QWidget *parent = nullptr);

    // Checks the whole book again and shows what disagrees.
    void refresh();
    // Opens the consignee of row r in the editor, then checks again.
    void editRow(int r);
    const QVector<PostalMismatch> &mismatches() const { return m_mismatches; }

    QLabel *summary = nullptr;
    QTableWidget *mismatchGrid = nullptr;
    QPushButton *editButton = nullptr;  // 修正
    QPushButton *closeButton = nullptr; // 閉じる

private:
    std::function<const PostalAddressTable *()> m_table;
    QString m_party;
    std::function<QVector<ConsigneeRow>()> m_readConsignees;
    std::function<bool(const QString &)> m_editConsignee;
    QVector<PostalMismatch> m_mismatches;
};
