#include "ui/history/HistoryEditDialog.h"

#include "core/history/HistoryEditForm.h"
#include "core/history/HistoryEditPresentation.h"
#include "core/history/HistoryEntry.h"
#include "ui/common/ShowNotice.h"
#include "core/data/DatabaseErrorText.h"
#include "core/data/Database.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/addressbook/EditorText.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

const QString EditMode = QStringLiteral("修正");

// A row of boxes side by side, as one widget so the edition can hide it whole.
QWidget *boxRow(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : widgets) {
        w->setParent(row);
        layout->addWidget(w);
    }
    layout->addStretch(1);
    return row;
}

// Sets a box's text without its length limit cutting a longer stored value:
// the limit guides typing, it must never lose what the row holds.
void setWhole(QLineEdit *box, const QString &text, int limit)
{
    box->setMaxLength(qMax(limit, int(text.size())));
    box->setText(text);
}

} // namespace

HistoryEditDialog::HistoryEditDialog(const HistoryEditContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName("frirekiedit");
    setModal(true);
    buildWindow();
    applyEdition();
}

void HistoryEditDialog::buildWindow()
{
    auto *column = new QVBoxLayout(this);
    auto *title = new QLabel("送付履歴編集", this);
    title->setObjectName("titleLabel");
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    title->setFont(big);
    column->addWidget(title);

    auto *blocks = new QHBoxLayout;
    column->addLayout(blocks);

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
    x_namae = MakeBox(left, "x_namae", ImeMode::Japanese);
    x_YUBIN1 = MakeBox(left, "x_YUBIN1", ImeMode::Latin, 3);
    x_YUBIN2 = MakeBox(left, "x_YUBIN2", ImeMode::Latin, 4);
    x_YUBIN1->setMaximumWidth(50);
    x_YUBIN2->setMaximumWidth(60);
    x_address1 = MakeBox(left, "x_address1", ImeMode::Japanese);
    x_address2 = MakeBox(left, "x_address2", ImeMode::Japanese);
    x_address3 = MakeBox(left, "x_address3", ImeMode::Japanese);
    x_tel1 = MakeBox(left, "x_tel1", ImeMode::Latin, 5);
    x_tel2 = MakeBox(left, "x_tel2", ImeMode::Latin, 5);
    x_tel3 = MakeBox(left, "x_tel3", ImeMode::Latin, 5);
    consignee->addRow("利用者ID", userid);
    consignee->addRow("伝票番号", number);
    consignee->addRow("お名前", x_namae);
    consignee->addRow("郵便番号", boxRow(left, {x_YUBIN1, new QLabel("-"), x_YUBIN2}));
    consignee->addRow("住　所1", x_address1);
    consignee->addRow("住　所2", x_address2);
    consignee->addRow("", x_address3);
    consignee->addRow("でんわ", boxRow(left, {x_tel1, new QLabel("-"), x_tel2, new QLabel("-"), x_tel3}));

    itemGroup = new QGroupBox(left);
    itemGroup->setObjectName("itemGroup");
    auto *items = new QFormLayout(itemGroup);
    for (int i = 0; i < 4; ++i) {
        goodsLabel[i] = new QLabel(itemGroup);
        z_goods[i] = MakeBox(itemGroup, QString("z_goods%1").arg(i + 1), ImeMode::Japanese);
        items->addRow(goodsLabel[i], z_goods[i]);
    }
    leftColumn->addWidget(itemGroup);

    auto *details = new QFormLayout;
    leftColumn->addLayout(details);
    dateLabel = new QLabel(left);
    s_year = MakeBox(left, "s_year", ImeMode::Latin);
    s_Month = MakeBox(left, "s_Month", ImeMode::Latin);
    s_day = MakeBox(left, "s_day", ImeMode::Latin);
    for (QLineEdit *box : {s_year, s_Month, s_day})
        box->setMaximumWidth(60);
    dateRow = boxRow(left, {s_year, new QLabel("年"), s_Month, new QLabel("月"), s_day, new QLabel("日")});
    details->addRow(dateLabel, dateRow);
    timeSelect = new QComboBox(left);
    timeSelect->setObjectName("timeSelect");
    timeSelect->setMinimumWidth(140);
    timeRow = boxRow(left, {new QLabel("希望時間帯"), timeSelect});
    details->addRow(timeRow);
    z_num1 = MakeBox(left, "z_num1", ImeMode::Disabled);
    piecesRow = boxRow(left, {new QLabel("個　数"), z_num1});
    details->addRow(piecesRow);
    amountLabel = new QLabel(left);
    z_kingaku = MakeBox(left, "z_kingaku", ImeMode::Disabled);
    amountRow = boxRow(left, {amountLabel, z_kingaku});
    details->addRow(amountRow);
    z_kg = MakeBox(left, "z_kg", ImeMode::Disabled);
    weightRow = boxRow(left, {new QLabel("重　量"), z_kg});
    details->addRow(weightRow);
    z_value = MakeBox(left, "z_value", ImeMode::Disabled);
    insuranceRow = boxRow(left, {new QLabel("保険金額"), z_value});
    details->addRow(insuranceRow);
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
    senderZipRow = boxRow(right, {new QLabel("郵便番号"), y_yubin1, new QLabel("-"), y_yubin2});
    sender->addRow(senderZipRow);
    auto *addressBox = new QWidget(right);
    auto *addressForm = new QFormLayout(addressBox);
    addressForm->setContentsMargins(0, 0, 0, 0);
    addressForm->addRow("住　所1", y_address1);
    addressForm->addRow("住　所2", y_address2);
    senderAddressRow = addressBox;
    sender->addRow(senderAddressRow);
    senderTelRow = boxRow(right, {new QLabel("でんわ"), y_tel1, new QLabel("-"), y_tel2, new QLabel("-"), y_tel3});
    sender->addRow(senderTelRow);
    accountRow = boxRow(right, {new QLabel("口座番号"), tagkey[0], new QLabel("-"), tagkey[1], new QLabel("-"),
                                tagkey[2]});
    sender->addRow(accountRow);
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
    buttons->addWidget(deleteBtn);
    buttons->addStretch(1);
    buttons->addWidget(operate_btn);
    buttons->addWidget(cancelButton);
    column->addLayout(buttons);

    statusLine = new QStatusBar(this);
    statusLine->setObjectName("statusLine");
    statusLine->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QLabel(this);
        statusLine->addWidget(m_panels[i], i);
    }
    column->addWidget(statusLine);

    connect(operate_btn, &QPushButton::clicked, this, &HistoryEditDialog::save);
    connect(deleteBtn, &QPushButton::clicked, this, &HistoryEditDialog::deleteBtnClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The edition's titles, captions, hidden rows and time-slot choices.
void HistoryEditDialog::applyEdition()
{
    const HistoryEditPresentation p = HistoryEditPresentation::forEdition(m_context.editionCode);
    consigneeTitle->setText(p.consigneeBlock);
    senderTitle->setText(p.senderBlock);
    itemGroup->setTitle(p.itemGroup);
    for (int i = 0; i < 4; ++i)
        goodsLabel[i]->setText(p.itemCaptions[i]);
    amountLabel->setText(p.amountCaption);
    dateLabel->setText(p.dateCaption);
    amountRow->setVisible(p.amountShown);
    piecesRow->setVisible(p.piecesShown);
    weightRow->setVisible(p.weightShown);
    insuranceRow->setVisible(p.insuranceShown);
    dateRow->setVisible(p.dateShown);
    dateLabel->setVisible(p.dateShown);
    s_year->setVisible(p.yearShown);
    if (auto *yearUnit = dateRow->findChildren<QLabel *>().value(0))
        yearUnit->setVisible(p.yearShown);
    timeRow->setVisible(p.timeShown);
    accountRow->setVisible(p.accountShown);
    senderZipRow->setVisible(p.senderZipShown);
    senderAddressRow->setVisible(p.senderAddressShown);
    senderTelRow->setVisible(p.senderTelShown);
    timeSelect->clear();
    timeSelect->addItems(p.timeChoices);
    timeSelect->setCurrentIndex(-1);
}

void HistoryEditDialog::setPanel(int index, const QString &text)
{
    if (index >= 0 && index < 2)
        m_panels[index]->setText(text);
}

QString HistoryEditDialog::panel(int index) const
{
    return index >= 0 && index < 2 ? m_panels[index]->text() : QString();
}

int HistoryEditDialog::openFor(const QString &id)
{
    setPanel(0, EditMode);
    setPanel(1, id);
    return exec();
}

void HistoryEditDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    prepareForShow();
}

void HistoryEditDialog::prepareForShow()
{
    setWindowTitle(QApplication::applicationDisplayName());
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
    x_namae->setText(f.namae);
    setWhole(x_YUBIN1, f.yubin1, 3);
    setWhole(x_YUBIN2, f.yubin2, 4);
    x_address1->setText(f.address1);
    x_address2->setText(f.address2);
    x_address3->setText(f.address3);
    setWhole(x_tel1, f.tel1, 5);
    setWhole(x_tel2, f.tel2, 5);
    setWhole(x_tel3, f.tel3, 5);
    for (int i = 0; i < 4; ++i)
        z_goods[i]->setText(f.goods[i]);
    s_year->setText(f.year);
    s_Month->setText(f.month);
    s_day->setText(f.day);
    z_num1->setText(f.num);
    z_kingaku->setText(f.kingaku);
    z_kg->setText(f.kg);
    z_value->setText(f.value);
    y_namae->setText(f.snamae);
    setWhole(y_yubin1, f.syubin1, 3);
    setWhole(y_yubin2, f.syubin2, 4);
    y_address1->setText(f.saddress1);
    y_address2->setText(f.saddress2);
    setWhole(y_tel1, f.stel1, 5);
    setWhole(y_tel2, f.stel2, 5);
    setWhole(y_tel3, f.stel3, 5);
    for (int i = 0; i < 3; ++i)
        tagkey[i]->setText(f.tagkey[i]);
    // Only the edition's selectable choices are taken from the row; "印刷しない"
    // and any other text leave no choice.
    const int selectable = HistoryEditPresentation::forEdition(m_context.editionCode).selectableChoices;
    const int found = timeSelect->findText(f.timeSelect, Qt::MatchExactly | Qt::MatchCaseSensitive);
    timeSelect->setCurrentIndex(!f.timeSelect.isEmpty() && found >= 0 && found < selectable ? found : -1);
}

void HistoryEditDialog::clearBoxes()
{
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->clear();
    timeSelect->setCurrentIndex(-1);
}

void HistoryEditDialog::save()
{
    HistoryEditForm f;
    f.number = number->text();
    f.namae = x_namae->text();
    f.yubin1 = x_YUBIN1->text();
    f.yubin2 = x_YUBIN2->text();
    f.address1 = x_address1->text();
    f.address2 = x_address2->text();
    f.address3 = x_address3->text();
    f.tel1 = x_tel1->text();
    f.tel2 = x_tel2->text();
    f.tel3 = x_tel3->text();
    for (int i = 0; i < 4; ++i)
        f.goods[i] = z_goods[i]->text();
    f.year = s_year->text();
    f.month = s_Month->text();
    f.day = s_day->text();
    f.timeSelect = SelectedText(timeSelect);
    f.num = z_num1->text();
    f.kingaku = z_kingaku->text();
    f.kg = z_kg->text();
    f.value = z_value->text();
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
