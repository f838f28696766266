#include "ui/addressbook/ConsigneeDialog.h"

#include "core/addressbook/ConsigneeEditPresentation.h"
#include "core/addressbook/ConsigneeForm.h"
#include "ui/common/ShowNotice.h"
#include "core/data/DatabaseErrorText.h"
#include "core/data/Database.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/addressbook/EditorText.h"
#include "ui/addressbook/WaybillBoxes.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString EditMode = QStringLiteral("修正");
const QString NewMode = QStringLiteral("追加");
const QString HistorySource = QStringLiteral("rireki");


// What the user is told when the consignee being edited has no row any more
// (deleted elsewhere, or the address book was restored from a backup).
QString goneConsignee(const QString &id)
{
    return QStringLiteral("登録番号 ") + id
           + QStringLiteral(" のデータが見つかりません。ほかの操作で削除されたか、データのリストアで入れ替わっています。");
}

// True when the last statement on db changed no row.
bool changedNothing(Database &db)
{
    return db.ChangedRows() == 0;
}

} // namespace

ConsigneeDialog::ConsigneeDialog(const EditorContext &context, QWidget *parent)
    : WaybillEditorDialog("fcustomerEdit", parent), m_context(context)
{
    buildWindow(ConsigneeEditPresentation::forEdition(m_context.editionCode));
}

// The edition's captions, rows and time choices are fixed for the dialog's lifetime.
void ConsigneeDialog::buildWindow(const ConsigneeEditPresentation &p)
{
    titleLabel->setText(p.heading);
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    column()->addLayout(columns, 1);

    boxes = new WaybillBoxes(WaybillBoxesSetup::consigneeEditor(), &m_context, this);
    const RowPlacement leftRows = RowPlacement::stacked(this, left, 80);
    boxes->buildConsigneeRows(leftRows);
    notes = MakeMultiLineBox(this, "notes");
    notes->setMaximumHeight(70);
    PlaceRow(leftRows, "備　考", {notes});
    // The right column is taller; the left one's rows stay together at the top.
    left->addStretch(1);

    right->addWidget(boxes->buildItemGroup(this));
    boxes->buildDetailRows({WaybillBoxes::AmountRow, WaybillBoxes::DateRow, WaybillBoxes::TimeRow,
                            WaybillBoxes::PiecesRow, WaybillBoxes::WeightRow, WaybillBoxes::InsuranceRow},
                           RowPlacement::stacked(this, right, 80));
    boxes->applyPresentation(p);

    senderFrame = new QGroupBox(p.senderFrame, this);
    senderFrame->setObjectName("senderFrame");
    auto *senderLayout = new QVBoxLayout(senderFrame);
    senderChoice = new QTreeWidget(senderFrame);
    senderChoice->setObjectName("senderChoice");
    senderChoice->setHeaderLabels({"ID", "お名前"});
    senderChoice->setRootIsDecorated(false);
    senderChoice->setSelectionBehavior(QAbstractItemView::SelectRows);
    // A header click sorts by that column (IDs as text, like the main list);
    // a second click on the same column reverses the order.
    senderChoice->header()->setSectionsClickable(true);
    connect(senderChoice->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        const QHeaderView *header = senderChoice->header();
        const bool again = header->isSortIndicatorShown() && header->sortIndicatorSection() == column
                           && header->sortIndicatorOrder() == Qt::AscendingOrder;
        const Qt::SortOrder order = again ? Qt::DescendingOrder : Qt::AscendingOrder;
        senderChoice->header()->setSortIndicatorShown(true);
        senderChoice->header()->setSortIndicator(column, order);
        senderChoice->sortItems(column, order);
    });
    senderChoice->setColumnWidth(0, 50);
    senderChoice->setMinimumHeight(110);
    senderLayout->addWidget(senderChoice);
    right->addWidget(senderFrame, 1);

    auto *buttons = new QHBoxLayout;
    operate_btn = MakeButton(this, "operate_btn", "保　存");
    deleteBtn = MakeButton(this, "deleteBtn", "削　除");
    cancelButton = MakeButton(this, "cancelButton", "キャンセル");
    connect(operate_btn, &QPushButton::clicked, this, &ConsigneeDialog::save);
    connect(deleteBtn, &QPushButton::clicked, this, &ConsigneeDialog::deleteBtnClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(operate_btn);
    buttons->addWidget(deleteBtn);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);
    column()->addLayout(buttons);
    addStatusLine(3);
}

// ---- Mode -------------------------------------------------------------------

// Panel 2 holds the source flag, an internal word: the status bar shows the
// clerk where the data came from instead.
QString ConsigneeDialog::shownPanelText(int index, const QString &text) const
{
    return index == 2 && text == HistorySource ? QStringLiteral("履歴から登録") : text;
}

int ConsigneeDialog::openNew()
{
    setPanel(0, NewMode);
    setPanel(1, QString());
    setPanel(2, QString());
    return exec();
}

int ConsigneeDialog::openEdit(const QString &id)
{
    setPanel(0, EditMode);
    setPanel(1, id);
    setPanel(2, QString());
    return exec();
}

int ConsigneeDialog::openFromHistory(const QString &mode, const QString &id)
{
    setPanel(0, mode);
    setPanel(1, id);
    setPanel(2, HistorySource);
    return exec();
}

void ConsigneeDialog::fillSenderChoice()
{
    senderChoice->clear();
    const QVector<QStringList> rows = m_context.senderRows ? m_context.senderRows() : QVector<QStringList>();
    for (const QStringList &row : rows)
        new QTreeWidgetItem(senderChoice, {row.value(0), row.value(1)});
    senderChoice->setCurrentItem(nullptr);
    senderChoice->clearSelection();
}

void ConsigneeDialog::chooseSender(const QString &id)
{
    senderChoice->clearSelection();
    senderChoice->setCurrentItem(nullptr);
    if (id.isEmpty())
        return;
    for (int i = 0; i < senderChoice->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = senderChoice->topLevelItem(i);
        if (item->text(0) == id) {
            senderChoice->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
}

QString ConsigneeDialog::chosenSenderId() const
{
    const QList<QTreeWidgetItem *> selected = senderChoice->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

// ---- Showing ----------------------------------------------------------------

void ConsigneeDialog::prepareForShow()
{
    m_savedId.clear();
    boxes->followContext();
    const QString id = panel(1);
    deleteBtn->setEnabled(!id.isEmpty());
    if (panel(2) == HistorySource) {
        // The caller has filled the boxes; only a sender choice never filled is offered.
        if (senderChoice->topLevelItemCount() == 0)
            fillSenderChoice();
        return;
    }
    fillSenderChoice();
    if (!id.isEmpty())
        loadConsignee(id);
    else
        chooseSender(m_context.selectedSenderId ? QString::number(m_context.selectedSenderId()) : QString());
    boxes->name[0]->setFocus();
}

// Fills the boxes from the consignee's address row and item row.
void ConsigneeDialog::loadConsignee(const QString &id)
{
    if (!m_context.db)
        return;
    if (!IsRecordId(id)) {
        ShowNotice("確認", "登録番号が正しくありません。\n" + id, this);
        return;
    }
    ConsigneeForm f;
    if (m_context.db->OpenDatabase(m_context.addressDbPath).isError())
        return;
    const QueryResult address = m_context.db->QueryRows(ConsigneeForm::selectSql(id));
    if (!address.ok()) {
        ShowNotice("確認", DatabaseErrorInJapanese(address.error), this);
        return;
    }
    f.loadAddressRow(address.rows.row(0));
    if (!m_context.db->OpenDatabase(m_context.membersDbPath).isError()) {
        const QueryResult item = m_context.db->QueryRows(ConsigneeForm::itemSelectSql(id, m_context.editionCode));
        if (item.ok() && !item.rows.isEmpty())
            f.loadItemRow(item.rows.row(0), m_context.editionCode);
    }
    boxes->load(f);
    notes->setPlainText(f.notes);
    chooseSender(f.companyId);
    rememberOpened(id);
}

void ConsigneeDialog::rememberOpened(const QString &id)
{
    DatabaseError error;
    m_opened = ReadConsigneeVersion(*m_context.db, m_context.addressDbPath, m_context.membersDbPath, id,
                                    m_context.editionCode, &error);
}

// False when the stored consignee is gone, or was changed by someone else
// since it was opened and the clerk chose to read it again.
bool ConsigneeDialog::stillTheOneOpened(const QString &id)
{
    DatabaseError error;
    const ConsigneeVersion now = ReadConsigneeVersion(*m_context.db, m_context.addressDbPath, m_context.membersDbPath,
                                                      id, m_context.editionCode, &error);
    if (error.isError()) {
        ShowNotice("確認", "[保存できませんでした]\n" + DatabaseErrorInJapanese(error), this);
        return false;
    }
    if (!now.exists) {
        ShowNotice("確認", "[保存できませんでした]\n" + goneConsignee(id), this);
        EditorContext::call(m_context.readConsignees);
        return false;
    }
    if (now == m_opened || AskYesNo(ConsigneeChangedQuestion(id), this))
        return true;
    loadConsignee(id);
    EditorContext::call(m_context.readConsignees);
    return false;
}

// ---- Saving and deleting ------------------------------------------------------

void ConsigneeDialog::save()
{
    if (!saveRows())
        return;
    EditorContext::call(m_context.readConsignees);
    m_savedId = panel(1);
    const QString saved = m_savedId;
    accept();
    m_savedId = saved;
}

// Writes the address row and the item row. A statement that fails is reported
// and the dialog stays open with everything typed, instead of closing as if saved.
bool ConsigneeDialog::saveRows()
{
    if (!m_context.db)
        return false;
    ConsigneeForm f{boxes->read()};
    f.notes = notes->toPlainText();
    f.companyId = chosenSenderId();

    // Nothing is written for a consignee without a name or with a number or
    // date that would be printed as typed; the dialog keeps what was typed.
    const QString refusal = f.inputViolation(m_context.editionCode);
    if (!refusal.isEmpty()) {
        ShowNotice("確認", refusal, this);
        return false;
    }
    if (!boxes->confirmPostalCode(this))
        return false;

    QString id = panel(1);
    if (!id.isEmpty() && !IsRecordId(id)) {
        ShowNotice("確認", "登録番号が正しくありません。\n" + id, this);
        return false;
    }
    if (!id.isEmpty() && !stillTheOneOpened(id))
        return false;
    Database &db = *m_context.db;
    DatabaseError error = db.OpenDatabase(m_context.addressDbPath);
    const auto report = [this](const DatabaseError &e) {
        ShowNotice("確認", "[保存できませんでした]\n" + DatabaseErrorInJapanese(e), this);
        return false;
    };
    if (error.isError())
        return report(error);
    if (!id.isEmpty()) {
        if (db.ExecSql(f.addressUpdateSql(id), &error))
            return report(error);
        // An update of a row that is gone changes nothing and fails nothing:
        // without this the typed data would be lost without a word, and an
        // item row without its consignee would be written below.
        if (changedNothing(db)) {
            ShowNotice("確認", "[保存できませんでした]\n" + goneConsignee(id), this);
            EditorContext::call(m_context.readConsignees);
            return false;
        }
    } else {
        if (db.ExecSql(f.addressInsertSql(), &error))
            return report(error);
        // The row just inserted on this connection, whatever other stations
        // insert meanwhile.
        id = QString::number(db.LastInsertId());
        if (!IsRecordId(id))
            return report(db.lastEngineError());
        setPanel(0, EditMode);
        setPanel(1, id);
        deleteBtn->setEnabled(true);
    }

    error = db.OpenDatabase(m_context.membersDbPath);
    if (error.isError())
        return report(error);
    const QueryResult count = db.QueryRows(ConsigneeForm::itemCountSql(id, m_context.editionCode));
    if (!count.ok())
        return report(count.error);
    const bool exists = count.rows.value(0, 0).toInt() > 0;
    const QString sql = exists ? f.itemUpdateSql(id, m_context.editionCode) : f.itemInsertSql(id, m_context.editionCode);
    if (db.ExecSql(sql, &error))
        return report(error);
    rememberOpened(id);
    return true;
}

void ConsigneeDialog::deleteBtnClick()
{
    const QString id = panel(1);
    if (id.isEmpty() || !m_context.db)
        return;
    if (!AskOkCancel("削除してもよろしいですか？", this))
        return;
    DatabaseError error;
    if (!IsRecordId(id) || m_context.db->OpenDatabase(m_context.addressDbPath).isError()
        || m_context.db->ExecSql(ConsigneeForm::deleteSql(id), &error)) {
        ShowNotice("確認", "削除に失敗しました", this);
        return;
    }
    // Gone already: the wish is met, but the user learns that someone else was first.
    if (changedNothing(*m_context.db))
        ShowNotice("確認", goneConsignee(id), this);
    EditorContext::call(m_context.readConsignees);
    accept();
}

// ---- Closing ------------------------------------------------------------------

void ConsigneeDialog::clearBoxes()
{
    boxes->clear();
    notes->clear();
}

// Every close empties the boxes and panels 1 and 2.
void ConsigneeDialog::done(int result)
{
    clearBoxes();
    setPanel(1, QString());
    setPanel(2, QString());
    if (result != QDialog::Accepted)
        m_savedId.clear();
    QDialog::done(result);
}
