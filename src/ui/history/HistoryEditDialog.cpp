#include "ui/history/HistoryEditDialog.h"

#include "core/history/HistoryEditForm.h"
#include "core/history/HistoryEditPresentation.h"
#include "core/history/HistoryEntry.h"
#include "ui/common/ShowNotice.h"
#include "core/data/DatabaseErrorText.h"
#include "core/data/Database.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/addressbook/EditorText.h"
#include "ui/addressbook/WaybillBoxes.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString EditMode = QStringLiteral("修正");

} // namespace

HistoryEditDialog::HistoryEditDialog(const HistoryEditContext &context, QWidget *parent)
    : WaybillEditorDialog("frirekiedit", parent), m_context(context)
{
    setModal(true);
    buildWindow();
    applyEdition();
}

void HistoryEditDialog::buildWindow()
{
    titleLabel->setText("送付履歴編集");
    titleLabel->setObjectName("titleLabel");
    QFont big = font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    titleLabel->setFont(big);

    auto *blocks = new QHBoxLayout;
    column()->addLayout(blocks);

    // ---- Consignee block --------------------------------------------------
    auto *left = new QWidget(this);
    auto *leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    consigneeTitle = new QLabel(left);
    consigneeTitle->setObjectName("consigneeTitle");
    consigneeTitle->setFont(big);
    leftColumn->addWidget(consigneeTitle);
    auto *consignee = new QFormLayout;
    leftColumn->addLayout(consignee);
    userid = MakeBox(left, "userid", ImeMode::Disabled);
    userid->setReadOnly(true);
    number = MakeBox(left, "number", ImeMode::Latin);
    consignee->addRow("利用者ID", userid);
    consignee->addRow("伝票番号", number);
    boxes = new WaybillBoxes(WaybillBoxesSetup::historyEditor(), nullptr, this);
    boxes->buildConsigneeRows(RowPlacement::labelled(left, consignee));
    leftColumn->addWidget(boxes->buildItemGroup(left));

    // The date's caption stands in the label column, the other rows' in the row.
    auto *details = new QFormLayout;
    leftColumn->addLayout(details);
    boxes->buildDetailRows({WaybillBoxes::DateRow}, RowPlacement::labelled(left, details));
    boxes->buildDetailRows({WaybillBoxes::TimeRow, WaybillBoxes::PiecesRow, WaybillBoxes::AmountRow,
                            WaybillBoxes::WeightRow, WaybillBoxes::InsuranceRow},
                           RowPlacement::spanning(left, details));
    leftColumn->addStretch(1);
    blocks->addWidget(left, 1);

    // ---- Sender block -------------------------------------------------------
    auto *right = new QWidget(this);
    auto *rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    senderTitle = new QLabel(right);
    senderTitle->setObjectName("senderTitle");
    senderTitle->setFont(big);
    rightColumn->addWidget(senderTitle);
    y_namae = MakeBox(right, "y_namae", ImeMode::Japanese);
    y_yubin1 = MakeBox(right, "y_yubin1", ImeMode::Latin, 3);
    y_yubin2 = MakeBox(right, "y_yubin2", ImeMode::Latin, 4);
    y_yubin1->setMaximumWidth(50);
    y_yubin2->setMaximumWidth(60);
    y_address1 = MakeBox(right, "y_address1", ImeMode::Japanese);
    y_address2 = MakeBox(right, "y_address2", ImeMode::Japanese);
    y_tel1 = MakeBox(right, "y_tel1", ImeMode::Latin, 5);
    y_tel2 = MakeBox(right, "y_tel2", ImeMode::Latin, 5);
    y_tel3 = MakeBox(right, "y_tel3", ImeMode::Latin, 5);
    for (int i = 0; i < 3; ++i)
        tagkey[i] = MakeBox(right, QString("tagkey%1").arg(i + 1), ImeMode::Latin);
    auto *sender = new QFormLayout;
    rightColumn->addLayout(sender);
    sender->addRow("お名前", y_namae);
    const RowPlacement senderRows = RowPlacement::spanning(right, sender);
    senderZipRow = PlaceRow(senderRows, "郵便番号", {y_yubin1, new QLabel("-"), y_yubin2}).row;
    auto *addressBox = new QWidget(right);
    auto *addressForm = new QFormLayout(addressBox);
    addressForm->setContentsMargins(0, 0, 0, 0);
    addressForm->addRow("住　所1", y_address1);
    addressForm->addRow("住　所2", y_address2);
    senderAddressRow = addressBox;
    sender->addRow(senderAddressRow);
    senderTelRow = PlaceRow(senderRows, "でんわ", {y_tel1, new QLabel("-"), y_tel2, new QLabel("-"), y_tel3}).row;
    accountRow =
        PlaceRow(senderRows, "口座番号", {tagkey[0], new QLabel("-"), tagkey[1], new QLabel("-"), tagkey[2]}).row;
    rightColumn->addStretch(1);
    blocks->addWidget(right, 1);

    // ---- Buttons and status -------------------------------------------------
    auto *buttons = new QHBoxLayout;
    operate_btn = new QPushButton("保　存", this);
    operate_btn->setObjectName("operate_btn");
    deleteBtn = new QPushButton("削　除", this);
    deleteBtn->setObjectName("deleteBtn");
    cancelButton = new QPushButton("キャンセル", this);
    cancelButton->setObjectName("cancelButton");
    connect(operate_btn, &QPushButton::clicked, this, &HistoryEditDialog::save);
    connect(deleteBtn, &QPushButton::clicked, this, &HistoryEditDialog::deleteBtnClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(deleteBtn);
    buttons->addStretch(1);
    buttons->addWidget(operate_btn);
    buttons->addWidget(cancelButton);
    column()->addLayout(buttons);
    addStatusLine(2);
}

// The edition's titles, captions, hidden rows and time-slot choices.
void HistoryEditDialog::applyEdition()
{
    const HistoryEditPresentation p = HistoryEditPresentation::forEdition(m_context.editionCode);
    consigneeTitle->setText(p.consigneeBlock);
    senderTitle->setText(p.senderBlock);
    boxes->applyPresentation(p);
    accountRow->setVisible(p.accountShown);
    senderZipRow->setVisible(p.senderZipShown);
    senderAddressRow->setVisible(p.senderAddressShown);
    senderTelRow->setVisible(p.senderTelShown);
}

int HistoryEditDialog::openFor(const QString &id)
{
    setPanel(0, EditMode);
    setPanel(1, id);
    return exec();
}

void HistoryEditDialog::prepareForShow()
{
    applyEdition();
    clearBoxes();
    loadRow(panel(1));
    number->setFocus();
}

// Fills the boxes from history row id.
void HistoryEditDialog::loadRow(const QString &id)
{
    if (!m_context.db)
        return;
    DatabaseError error;
    const std::optional<HistoryEntry> entry = ReadHistoryEntry(*m_context.db, m_context.membersDbPath, id, &error);
    if (!entry) {
        ShowNotice("確認", error.isError() ? DatabaseErrorInJapanese(error) : "送付履歴が見つかりません。\n" + id, this);
        return;
    }
    const HistoryEditForm f = HistoryEditForm::fromEntry(*entry, m_context.editionCode);
    userid->setText(f.userid);
    number->setText(f.number);
    boxes->load(f);
    y_namae->setText(f.snamae);
    SetWholeText(y_yubin1, f.syubin1, 3);
    SetWholeText(y_yubin2, f.syubin2, 4);
    y_address1->setText(f.saddress1);
    y_address2->setText(f.saddress2);
    SetWholeText(y_tel1, f.stel1, 5);
    SetWholeText(y_tel2, f.stel2, 5);
    SetWholeText(y_tel3, f.stel3, 5);
    for (int i = 0; i < 3; ++i)
        tagkey[i]->setText(f.tagkey[i]);
}

void HistoryEditDialog::clearBoxes()
{
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->clear();
    boxes->clear();
}

void HistoryEditDialog::save()
{
    HistoryEditForm f{boxes->read()};
    f.number = number->text();
    f.snamae = y_namae->text();
    f.syubin1 = y_yubin1->text();
    f.syubin2 = y_yubin2->text();
    f.saddress1 = y_address1->text();
    f.saddress2 = y_address2->text();
    f.stel1 = y_tel1->text();
    f.stel2 = y_tel2->text();
    f.stel3 = y_tel3->text();
    for (int i = 0; i < 3; ++i)
        f.tagkey[i] = tagkey[i]->text();

    const QString violation = f.lengthViolation();
    if (!violation.isEmpty()) {
        ShowNotice("確認", violation, this);
        return;
    }
    const QString id = panel(1);
    if (!m_context.db || !IsRecordId(id))
        return;
    // A failed save is said, and the dialog stays open with what was typed.
    DatabaseError error = m_context.db->OpenDatabase(m_context.membersDbPath);
    if (error.isError() || m_context.db->ExecSql(f.updateSql(id, m_context.editionCode), &error)) {
        ShowNotice("確認", "保存に失敗しました\n" + DatabaseErrorInJapanese(error), this);
        return;
    }
    if (m_context.readHistory)
        m_context.readHistory();
    accept();
}

void HistoryEditDialog::deleteBtnClick()
{
    const QString id = panel(1);
    if (!m_context.db || id.isEmpty())
        return;
    if (!AskOkCancel("削除してもよろしいですか？", this))
        return;
    if (!IsRecordId(id) || m_context.db->OpenDatabase(m_context.membersDbPath).isError()
        || m_context.db->ExecSql(HistoryDeleteSql(id))) {
        ShowNotice("確認", "削除に失敗しました", this);
        return;
    }
    if (m_context.readHistory)
        m_context.readHistory();
    accept();
}
