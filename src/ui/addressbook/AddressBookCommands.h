#pragma once
// The address book's commands in the main window: the consignee list's
// commands and its editor, the single-print editor behind the preview's edit
// command, the sender editor of the print-settings page, the phrase list and
// the postal-code guide. The editing dialogs are made on first use.

#include "ui/common/CsvExportDialogs.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class ConsigneeCommands;
class EditingDialogs;
class ItemChangeDialog;
class PhraseListDialog;
class PostalCheckDialog;
class PhraseStore;
class ProgramState;
class SenderSearchDialog;
class WaybillView;
struct MainPages;

class AddressBookCommands : public QObject
{
    Q_OBJECT
public:
    // printSingle is the single-print editor's 印刷 button.
    AddressBookCommands(ProgramState &state, MainPages &pages, WaybillView &view, std::function<void()> printSingle,
                        QObject *parent = nullptr);
    ~AddressBookCommands() override;

    // Connects the list's, the editors' and the sender list's commands.
    void connectActions();
    // Applies the edition's captions to the dialogs made here.
    void applyProfile();

    // The consignee, single-print, sender and postal-code editors, made on first use.
    EditingDialogs *editors();
    ConsigneeCommands *consigneeCommands() const { return m_consigneeCommands; }
    PhraseListDialog *phraseList();
    ItemChangeDialog *itemChangeDialog();
    SenderSearchDialog *senderSearch();

    // Opens the phrase list; true with the chosen phrase.
    bool choosePhrase(QString *phrase);
    // The senders read again into the sender list and the sender search.
    void readSenders();
    // New consignee: the list page, then the consignee editor in mode 追加.
    void newConsignee();
    // Edit the selected consignee, then assemble the record for it again.
    void editConsignee();
    // The edit command: the single-print editor, or on the list page the
    // consignee editor for the selected row.
    void editPreviewedWaybill();
    // 「お届け先をCSVに書き出す」: the ticked consignees, or every one the list
    // shows when none is ticked, with their item rows of the edition.
    CsvExportOutcome exportConsignees();
    // 「住所と郵便番号を確認」: the consignees whose postal code and address
    // disagree, in a dialog from which each opens in the editor.
    void checkPostalCodes();
    // The dialog of the last check while it is open (for tests).
    PostalCheckDialog *postalCheckDialog() const;

    // Where exports go; the file dialog unless a test answers instead.
    CsvExportFileChooser chooseExportFile;

private:
    void fixedItemPhrase(int n);
    void editSender(bool newSender);

    ProgramState &m_state;
    MainPages &m_pages;
    WaybillView &m_view;
    std::unique_ptr<PhraseStore> m_phrases;
    PhraseListDialog *m_phraseList = nullptr;
    ItemChangeDialog *m_itemChange = nullptr;
    SenderSearchDialog *m_senderSearch = nullptr;
    ConsigneeCommands *m_consigneeCommands = nullptr;
    EditingDialogs *m_editors = nullptr;
    QPointer<PostalCheckDialog> m_postalCheck;
    std::function<void()> m_printSingle;
};
