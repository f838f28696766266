#pragma once
// What the history list's rows are used for besides correction: printing a row
// again through the single-print data, and registering its addressee as a
// consignee through the consignee editor. The main window supplies the pages,
// the sender list and the editors through the context.

#include <QObject>
#include <QStringList>
#include <QVector>
#include <functional>

class PrintRecord;
class QWidget;
class Database;
class ConsigneeDialog;
struct HistoryEntry;

struct HistoryCommandContext {
    Database *db = nullptr;
    QString addressDb;
    QString membersDb;
    QString singleDataPath; // conf/singledata.txt of the work folder
    int editionCode = 40;
    PrintRecord *record = nullptr;      // the main window's current record
    QString senderFrameCaption;         // the sender list frame's caption, for the not-found notice
    // The rows of the main window's sender list, {ID, name} as shown.
    std::function<QVector<QStringList>()> senderRows;
    // Selects row index of the main window's sender list.
    std::function<void(int index)> selectSenderIndex;
    // Makes the print-settings page and the preview active and runs the page switch.
    std::function<void()> showSingleDataPages;
    // Opens the single-print editor modally (unset: the reprint ends on the preview).
    std::function<void()> openSingleDataEditor;
    std::function<ConsigneeDialog *()> consigneeDialog; // empty: no registration
    QWidget *window = nullptr;              // parent of the notices
};

class HistoryCommands : public QObject
{
    Q_OBJECT
public:
    explicit HistoryCommands(HistoryCommandContext context, QObject *parent = nullptr);

    // reprintAction: the row into the record and the single-print data
    // file, its sender selected by name, the single-print page with its editor.
    // Returns false when the row could not be read or the file not written.
    bool reprint(const QString &id);
    // registerConsigneeAction: the consignee editor filled from the row, in mode
    // "修正" when the row's consignee still exists, else "追加". Returns the
    // editor's result (Rejected when nothing was shown or saved).
    int registerAsConsignee(const QString &id);

private:
    // The history row id, or a notice and nothing.
    bool readEntry(const QString &id, HistoryEntry *entry);
    // The index of the sender named name in the sender list; a notice and -1 when absent.
    int senderIndexNamed(const QString &name);

    HistoryCommandContext m_context;
};
