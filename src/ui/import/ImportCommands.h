#pragma once
// The main window's imports: the labelled-text paste into the layout, the
// order mail paste into the single-print editor, and the CSV import through the
// CSV editor. The cutting and the database work live in the core; this class
// only moves their results between the clipboard, the dialogs and the pages.

#include "core/import/CsvImporter.h"

#include <QObject>
#include <QString>

class AddressBookCommands;
class ProgramState;
class WaybillView;
struct MainPages;

class ImportCommands : public QObject
{
    Q_OBJECT
public:
    ImportCommands(ProgramState &state, MainPages &pages, WaybillView &view, AddressBookCommands &addressBook,
                   QObject *parent = nullptr);

    void connectActions();

    // The clipboard's labelled lines into the layout's items.
    void pasteLabelledText();
    // F9: the order mail on the clipboard into the single-print editor, saved,
    // then the editor. False when nothing was pasted.
    bool pasteOrderMail();
    // Paper kind 1, the order mail paste, then the amount to collect.
    bool pasteOrderMailCashOnDelivery();
    // The CSV editor, then its result into the address book.
    CsvImportOutcome importCsv();

private:
    bool orderMailPaste(const QString &mailText);

    ProgramState &m_state;
    MainPages &m_pages;
    WaybillView &m_view;
    AddressBookCommands &m_addressBook;
};
