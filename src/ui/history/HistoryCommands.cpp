#include "ui/history/HistoryCommands.h"

#include "core/history/HistoryConsigneeFill.h"
#include "core/history/HistoryEntry.h"
#include "core/history/HistoryReprint.h"
#include "ui/addressbook/ConsigneeDialog.h"
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

    dialog->namae1->setText(f.namae1);
    dialog->namae2->clear();
    dialog->zipcode1->setText(f.zipcode1);
    dialog->zipcode2->setText(f.zipcode2);
    SelectExactly(dialog->area, f.prefecture);
    dialog->city->setText(f.city);
    dialog->location->setText(f.location);
    dialog->building->setText(f.building);
    dialog->tel1->setText(f.tel1);
    dialog->tel2->setText(f.tel2);
    dialog->tel3->setText(f.tel3);
    dialog->notes->clear();
    dialog->z_kingaku->setText(f.amount);
    for (int i = 0; i < 4; ++i)
        dialog->z_goods[i]->setText(f.goods[i]);
    dialog->s_year->setText(f.year);
    dialog->s_Month->setText(f.month);
    dialog->s_day->setText(f.day);
    dialog->z_num1->setText(f.num);
    dialog->z_kg->setText(f.kg);
    dialog->z_value->setText(f.hoken);
    const int edition = m_context.editionCode;
    if (edition == 20 || edition == 30 || edition == 50) {
        // "印刷しない" selects no slot; a text that is no choice leaves the box as it is.
        if (f.timeSelect == QStringLiteral("印刷しない"))
            dialog->timeSelect->setCurrentIndex(-1);
        else if (const int found = dialog->timeSelect->findText(f.timeSelect, Qt::MatchExactly | Qt::MatchCaseSensitive);
                 found >= 0 && !f.timeSelect.isEmpty())
            dialog->timeSelect->setCurrentIndex(found);
    }

    dialog->fillSenderChoice();
    const int sender = senderIndexNamed(f.senderName);
    if (sender >= 0)
        dialog->chooseSender(m_context.senderRows().value(sender).value(0));
    return dialog->openFromHistory(existing.isEmpty() ? QStringLiteral("追加") : QStringLiteral("修正"), existing);
}
