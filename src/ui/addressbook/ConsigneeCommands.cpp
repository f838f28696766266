#include "ui/addressbook/ConsigneeCommands.h"

#include "ui/addressbook/ConsigneeListPage.h"
#include "core/addressbook/ConsigneeRows.h"
#include "core/addressbook/ItemChange.h"
#include "ui/common/ShowNotice.h"
#include "ui/addressbook/SenderSearchDialog.h"
#include "ui/addressbook/ItemChangeDialog.h"

#include <QApplication>
#include <QPushButton>

ConsigneeCommands::ConsigneeCommands(ConsigneeListPage *page, std::function<ItemChangeDialog *()> itemSelect,
                                     std::function<SenderSearchDialog *()> senderSearch,
                                     ConsigneeCommandContext context, QObject *parent)
    : QObject(parent), m_page(page), m_itemSelect(std::move(itemSelect)), m_senderSearch(std::move(senderSearch)),
      m_context(std::move(context))
{
}

void ConsigneeCommands::senderFilter()
{
    SenderSearchDialog *search = m_senderSearch();
    if (m_context.senderRows)
        search->setRows(m_context.senderRows());
    search->setCaptions(m_context.senderGroupCaption, m_page->senderFilterButton->text());
    if (search->exec() != QDialog::Accepted)
        return;
    const QString id = search->selectedId();
    if (id.isEmpty())
        m_page->setSenderFilter(-1, QString());
    else
        m_page->setSenderFilter(id.toInt(), search->selectedName());
    m_page->readConsignees();
}

void ConsigneeCommands::selectAll()
{
    m_page->selectAll();
    if (m_context.activatePage)
        m_context.activatePage();
}

void ConsigneeCommands::cancelAll()
{
    m_page->cancelAll();
    if (m_context.activatePage)
        m_context.activatePage();
}

void ConsigneeCommands::deleteChecked()
{
    if (m_context.activatePage)
        m_context.activatePage();
    // Nothing ticked is told as such, as the item change does: a question
    // whose OK deletes nothing only confuses.
    const QStringList ids = m_page->checkedShownIds();
    if (ids.isEmpty()) {
        ShowNotice("確認", "削除する" + m_context.blockCaption + "にチェックを入れてください", m_page);
        return;
    }
    if (AskOkCancel("チェックを入れた" + m_context.blockCaption + "を削除していいですか？", m_page))
        DeleteConsignees(*m_context.db, m_context.addressDb, ids);
    m_page->readConsignees();
}

void ConsigneeCommands::itemChange()
{
    if (m_context.fixedItemsOn && m_context.fixedItemsOn()) {
        // The message adds "る" itself; a caption that already ends in it would read "するる".
        QString caption = m_context.fixedItemsCaption();
        if (caption.endsWith(u'る'))
            caption.chop(1);
        ShowNotice("確認", "この機能を使う場合、" + caption + "るのチェックをはずしてください。", m_page);
        return;
    }
    if (m_context.activatePage)
        m_context.activatePage();
    const QStringList ids = m_page->checkedShownIds();
    if (ids.isEmpty()) {
        ShowNotice("確認", m_context.blockCaption + "にチェックを入れてください", m_page);
        return;
    }
    ItemChangeDialog *itemSelect = m_itemSelect();
    if (itemSelect->exec() != QDialog::Accepted)
        return;
    const int senderId = m_context.selectedSenderId ? m_context.selectedSenderId() : 0;
    if (!confirmItemChange(int(ids.size()), senderId))
        return;
    ApplyItemChange(*m_context.db, m_context.membersDb, ids, m_context.editionCode, senderId, itemSelect->values());
    if (m_context.assembleSelected)
        m_context.assembleSelected();
}

// The change also gives every ticked consignee the sender selected on the
// settings page, even when only a date or a time slot was ticked: the question
// names that sender, so that the clerk can still cancel.
bool ConsigneeCommands::confirmItemChange(int count, int senderId)
{
    QString name;
    const QVector<QStringList> rows = m_context.senderRows ? m_context.senderRows() : QVector<QStringList>();
    for (const QStringList &row : rows)
        if (row.value(0) == QString::number(senderId))
            name = row.value(1);
    const QString sender = name.isEmpty() ? QStringLiteral("空欄") : "「" + name + "」";
    return AskOkCancel(QStringLiteral("チェックを入れた%1件の%2の商品情報を入れ替えます。\n"
                                      "%3はすべて%4（印刷設定タブで選択中）に変わります。\n"
                                      "よろしいですか？")
                           .arg(count)
                           .arg(m_context.blockCaption, m_context.senderGroupCaption, sender),
                       m_page);
}
