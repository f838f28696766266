#pragma once
// What the editing dialogs need from the program: the one database connection,
// the database paths, the edition, the current print record and a few calls
// back into the main window. The main window fills it once at start-up; tests
// fill it with a temporary folder and plain lambdas, so no dialog depends on
// the main window class itself.

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class PrintRecord;
class Database;
class PostalAddressTable;
class PostalGuideDialog;

struct EditorContext {
    Database *db = nullptr;
    int editionCode = 40;
    QString programDir;    // where the file dialog of the postal-code import starts
    QString workDir;       // the single-print data file lives under conf/
    QString addressDbPath; // addressXe2.db3: address, company
    QString membersDbPath; // membersXe2.db3: memberitem, items
    QString zipcodeDbPath; // zipcode.db3
    PrintRecord *record = nullptr; // the main window's current record

    // The national postal-code table for the postal-code and address check
    // (waiting for it when it is still loading); unset or null: no check.
    std::function<const PostalAddressTable *()> postalTable;
    // The postal-code guide shared by every dialog; null leaves the search buttons disabled.
    PostalGuideDialog *zipGuide = nullptr;

    // configZipOpt1: 0 puts the prefecture in front of the address, 1 does not.
    std::function<int()> zipConvOption;
    // The rows of the main window's sender list: {ID, name} in list order.
    std::function<QVector<QStringList>()> senderRows;
    // The identifier of the sender selected in the main window (0 when none).
    std::function<int()> selectedSenderId;
    // Opens the phrase list; true with the chosen phrase in *phrase when the
    // user double-clicked one. Unset leaves the "選択" buttons disabled.
    std::function<bool(QString *phrase)> choosePhrase;
    // Redraws the main window's preview.
    std::function<void()> redrawPreview;
    // Refills the main window's consignee list (readConsignees).
    std::function<void()> readConsignees;
    // Assembles and transfers the print record (currentData).
    std::function<void(const QString &rd)> currentData;
    // Single print of what the preview shows (printSingle).
    std::function<void()> printSingle;

    // Calls f when it is set.
    template <typename F, typename... A> static void call(const F &f, A &&...args)
    {
        if (f)
            f(std::forward<A>(args)...);
    }
};
