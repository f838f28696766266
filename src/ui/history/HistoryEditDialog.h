#pragma once
// The history edit dialog "送付履歴編集": one row of the sending history for
// correction, typically to enter the carrier's tracking number after shipping,
// and for deletion. Every show reloads the row named by status panel 1.

#include "ui/addressbook/WaybillEditorDialog.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class Database;

// What the dialog needs from the program.
struct HistoryEditContext {
    Database *db = nullptr;
    QString membersDbPath;
    int editionCode = 40;
    // Refills the main window's history list (readHistory).
    std::function<void()> readHistory;
};

class HistoryEditDialog : public WaybillEditorDialog
{
    Q_OBJECT
public:
    explicit HistoryEditDialog(const HistoryEditContext &context, QWidget *parent = nullptr);

    // Status panel 0 "修正", panel 1 the history row's ID (setPanel, panel).
    // Opens modally in mode "修正" for history row id; Accepted after a save or a delete.
    int openFor(const QString &id);

    // 保　存: checks the lengths, updates the row, refills the list, closes.
    void save();
    // 削　除: asks, deletes the row, refills the list, closes.
    void deleteBtnClick();

    // ---- Boxes --------------------------------------------------------------
    QLabel *consigneeTitle = nullptr; // consignee block title
    QLabel *senderTitle = nullptr; // sender block title
    QLineEdit *userid = nullptr;
    QLineEdit *number = nullptr;
    QLineEdit *y_namae = nullptr;
    QLineEdit *y_yubin1 = nullptr;
    QLineEdit *y_yubin2 = nullptr;
    QLineEdit *y_address1 = nullptr;
    QLineEdit *y_address2 = nullptr;
    QLineEdit *y_tel1 = nullptr;
    QLineEdit *y_tel2 = nullptr;
    QLineEdit *y_tel3 = nullptr;
    QLineEdit *tagkey[3] = {};
    QPushButton *operate_btn = nullptr; // 保　存
    QPushButton *deleteBtn = nullptr;   // 削　除
    QPushButton *cancelButton = nullptr; // キャンセル

    // The sender rows the edition hides (for tests).
    QWidget *accountRow = nullptr;
    QWidget *senderZipRow = nullptr;
    QWidget *senderAddressRow = nullptr;
    QWidget *senderTelRow = nullptr;

protected:
    void prepareForShow() override;

private:
    void buildWindow();
    void applyEdition();
    void loadRow(const QString &id);
    void clearBoxes();

    HistoryEditContext m_context;
};
