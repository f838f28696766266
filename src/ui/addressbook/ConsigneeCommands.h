#pragma once
// The commands of the consignee list that need a dialog or a question: the
// sender filter, deleting the ticked consignees and the item change. The main
// window connects its actions here and hands over what they need.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class ConsigneeListPage;
class Database;
class ItemChangeDialog;
class SenderSearchDialog;

struct ConsigneeCommandContext {
    Database *db = nullptr;
    QString addressDb;
    QString membersDb;
    int editionCode = 40;
    QString blockCaption;        // the edition's word for the consignee block (the first field group)
    QString senderGroupCaption;  // the sender list's frame caption
    std::function<bool()> fixedItemsOn;          // fixedItemsBox ticked
    std::function<QString()> fixedItemsCaption;  // fixedItemsBox's caption
    std::function<int()> selectedSenderId;       // the sender list's selection
    std::function<QVector<QStringList>()> senderRows;
    std::function<void()> activatePage;          // the page switch onto the list page
    std::function<void()> assembleSelected;      // currentData for the selected row, with redraw
};

class ConsigneeCommands : public QObject
{
    Q_OBJECT
public:
    ConsigneeCommands(ConsigneeListPage *page, std::function<ItemChangeDialog *()> itemSelect,
                      std::function<SenderSearchDialog *()> senderSearch,
                      ConsigneeCommandContext context, QObject *parent = nullptr);

    // senderFilterButton: chooses the sender filter in the sender search dialog, then refills.
    void senderFilter();
    // すべて選択 / すべて解除 of the rows shown, then the page is activated.
    void selectAll();
    void cancelAll();
    // Deletes the ticked consignees after a question; the list is refilled in every case.
    void deleteChecked();
    // Replaces item data of every ticked consignee with the item selection dialog's values.
    void itemChange();

private:
    // Asks before the item change of count consignees, naming the sender they get.
    bool confirmItemChange(int count, int senderId);

    ConsigneeListPage *m_page;
    // Made on first use by their owner.
    std::function<ItemChangeDialog *()> m_itemSelect;
    std::function<SenderSearchDialog *()> m_senderSearch;
    ConsigneeCommandContext m_context;
};
