#pragma once
// The consignee editor: one row of `address` and, in the same save, the
// consignee's item row of the running edition in `memberitem`.
//
// How a caller uses it:
//   - new consignee:   dialog.openNew();            // panel 0 "追加", panel 1 empty
//   - edit consignee:  dialog.openEdit("12");       // panel 0 "修正", panel 1 the ID
//   - from a history row: fill the boxes (boxes->name[0], ...), call
//     fillSenderChoice() if a sender is to be chosen, then
//     dialog.openFromHistory(mode, id);             // panel 2 "rireki": nothing is reloaded
// Each returns QDialog::Accepted when the consignee was saved or deleted and
// Rejected on "キャンセル" or a closed window. After a save, savedId() gives the
// consignee's identifier (the new one after an insert). The panels may also be
// set by hand with setPanel(i, text) followed by exec().
// Every close empties the boxes, the choices and panels 1 and 2.

#include "core/addressbook/ConsigneeVersion.h"
#include "ui/addressbook/EditorContext.h"

#include "ui/addressbook/WaybillEditorDialog.h"

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
struct ConsigneeEditPresentation;

class ConsigneeDialog : public WaybillEditorDialog
{
    Q_OBJECT
public:
    // Builds the dialog with the edition's captions and choices (fixed for its lifetime).
    explicit ConsigneeDialog(const EditorContext &context, QWidget *parent = nullptr);

    // ---- Mode through the status panels (setPanel, panel) -----------------
    // Panel 0 "修正"/"追加", panel 1 the consignee ID, panel 2 "rireki" or empty.
    // Opens modally for a new consignee.
    int openNew();
    // Opens modally for consignee id, loading its rows.
    int openEdit(const QString &id);
    // Opens modally on boxes the caller has already filled from a history row.
    int openFromHistory(const QString &mode, const QString &id);
    // The consignee ID written by the last save; empty when the last close saved nothing.
    QString savedId() const { return m_savedId; }
    // Fills the sender choice with the main window's senders, none chosen.
    void fillSenderChoice();
    // Chooses the sender with this ID in the sender choice (none when absent).
    void chooseSender(const QString &id);
    // The ID of the chosen sender; empty when none.
    QString chosenSenderId() const;

    // ---- Actions (buttons and keys call these) -----------------------------
    // 保　存: writes the address row and the item row, refreshes the list, closes.
    void save();
    // 削　除: asks, deletes the address row, refreshes the list, closes.
    void deleteBtnClick();

    // ---- Boxes --------------------------------------------------------------
    QPlainTextEdit *notes = nullptr;
    QGroupBox *senderFrame = nullptr;      // sender frame
    QTreeWidget *senderChoice = nullptr;  // sender choice: ID, お名前
    QPushButton *operate_btn = nullptr;  // 保　存
    QPushButton *deleteBtn = nullptr;    // 削　除
    QPushButton *cancelButton = nullptr;  // キャンセル

protected:
    QString shownPanelText(int index, const QString &text) const override;
    void prepareForShow() override;
    void done(int result) override;

private:
    void buildWindow(const ConsigneeEditPresentation &p);
    void loadConsignee(const QString &id);
    void rememberOpened(const QString &id);
    bool stillTheOneOpened(const QString &id);
    void clearBoxes();
    bool saveRows();

    EditorContext m_context;
    QString m_savedId;
    // The consignee's rows as this dialog read them, to tell another's change.
    ConsigneeVersion m_opened;
};
