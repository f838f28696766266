#include "ui/history/HistoryCommands.h"

#include "core/history/HistoryConsigneeFill.h"
#include "core/history/HistoryEntry.h"
#include "core/history/HistoryReprint.h"
#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "ui/common/ShowNotice.h"
#include "core/data/DatabaseErrorText.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/layout/PrintRecord.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

HistoryCommands::HistoryCommands(HistoryCommandContext context, QObject *parent)
    : QObject(parent), m_context(std::move(context))
{
}

bool HistoryCommands::readEntry(const QString &id, HistoryEntry *entry)
{
    if (!m_context.db)
        return false;
    DatabaseError error;
    const std::optional<HistoryEntry> found = ReadHistoryEntry(*m_context.db, m_context.membersDb, id, &error);
    if (!found) {
        ShowNotice("確認", error.isError() ? DatabaseErrorInJapanese(error) : "送付履歴が見つかりません。\n" + id, m_context.window);
        return false;
    }
    *entry = *found;
    return true;
}

int HistoryCommands::senderIndexNamed(const QString &name)
{
    const QVector<QStringList> rows = m_context.senderRows ? m_context.senderRows() : QVector<QStringList>();
    const int index = FindSenderByName(rows, name);
    if (index < 0)
        ShowNotice("確認", SenderNotFoundMessage(m_context.senderFrameCaption, name), m_context.window);
    return index;
}

bool HistoryCommands::reprint(const QString &id)
{
    HistoryEntry entry;
    if (!m_context.record || !readEntry(id, &entry))
        return false;
    PrintRecord &record = *m_context.record;
    ApplyHistoryToRecord(entry, m_context.editionCode, record);
    const LayoutStatus saved = SaveSingleData(m_context.singleDataPath, record);
    if (!saved) {
        ShowNotice("確認", saved.message, m_context.window);
        return false;
    }
    const int sender = senderIndexNamed(record.slot(32));
    if (sender >= 0 && m_context.selectSenderIndex)
        m_context.selectSenderIndex(sender);
    if (m_context.showSingleDataPages)
        m_context.showSingleDataPages();
    if (m_context.openSingleDataEditor)
        m_context.openSingleDataEditor();
    return true;
}

int HistoryCommands::registerAsConsignee(const QString &id)
{
    ConsigneeDialog *dialog = m_context.consigneeDialog ? m_context.consigneeDialog() : nullptr;
    HistoryEntry entry;
    if (!dialog || !readEntry(id, &entry))
        return QDialog::Rejected;
    const QString existing = ExistingConsigneeOf(*m_context.db, m_context.addressDb, entry);
    const HistoryConsigneeFill f = HistoryConsigneeFill::fromEntry(entry, m_context.editionCode);

    dialog->boxes->name[0]->setText(f.namae1);
    dialog->boxes->name[1]->clear();
    dialog->boxes->postal[0]->setText(f.zipcode1);
    dialog->boxes->postal[1]->setText(f.zipcode2);
    SelectExactly(dialog->boxes->prefecture, f.prefecture);
    dialog->boxes->address[0]->setText(f.city);
    dialog->boxes->address[1]->setText(f.location);
    dialog->boxes->address[2]->setText(f.building);
    dialog->boxes->tel[0]->setText(f.tel1);
    dialog->boxes->tel[1]->setText(f.tel2);
    dialog->boxes->tel[2]->setText(f.tel3);
    dialog->notes->clear();
    dialog->boxes->amount->setText(f.amount);
    for (int i = 0; i < 4; ++i)
        dialog->boxes->goods[i]->setText(f.goods[i]);
    dialog->boxes->year->setText(f.year);
    dialog->boxes->month->setText(f.month);
    dialog->boxes->day->setText(f.day);
    dialog->boxes->pieces->setText(f.num);
    dialog->boxes->weight->setText(f.kg);
    dialog->boxes->insurance->setText(f.hoken);
    const int edition = m_context.editionCode;
    if (edition == 20 || edition == 30 || edition == 50) {
        // "印刷しない" selects no slot; a text that is no choice leaves the box as it is.
        if (f.timeSelect == QStringLiteral("印刷しない"))
            dialog->boxes->timeSlot->setCurrentIndex(-1);
        else if (const int found = dialog->boxes->timeSlot->findText(f.timeSelect, Qt::MatchExactly | Qt::MatchCaseSensitive);
                 found >= 0 && !f.timeSelect.isEmpty())
            dialog->boxes->timeSlot->setCurrentIndex(found);
    }

    dialog->fillSenderChoice();
    const int sender = senderIndexNamed(f.senderName);
    if (sender >= 0)
        dialog->chooseSender(m_context.senderRows().value(sender).value(0));
    return dialog->openFromHistory(existing.isEmpty() ? QStringLiteral("追加") : QStringLiteral("修正"), existing);
}
