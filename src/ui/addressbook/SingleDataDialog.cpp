#include "ui/addressbook/SingleDataDialog.h"

#include "ui/common/ShowNotice.h"
#include "core/addressbook/DataEditPresentation.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/addressbook/SingleDataForm.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "core/layout/PrintRecord.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SingleDataDialog::SingleDataDialog(const EditorContext &context, QWidget *parent)
    : WaybillEditorDialog("FDATAEDIT", parent), m_context(context)
{
    buildWindow(DataEditPresentation::forEdition(m_context.editionCode));
}

// The edition's captions, hidden rows and time choices are fixed for the dialog's lifetime.
void SingleDataDialog::buildWindow(const DataEditPresentation &p)
{
    QVBoxLayout *column = this->column();
    titleLabel->setText(p.title);
    blockLabel = new QLabel(p.blockLabel, this);
    column->addWidget(blockLabel);

    boxes = new WaybillBoxes(WaybillBoxesSetup::singlePrintEditor(), &m_context, this);
    const RowPlacement rows = RowPlacement::stacked(this, column, 90);
    boxes->buildConsigneeRows(rows);
    column->addWidget(boxes->buildItemGroup(this));
    boxes->buildDetailRows({WaybillBoxes::AmountRow, WaybillBoxes::PiecesRow, WaybillBoxes::WeightRow,
                            WaybillBoxes::InsuranceRow, WaybillBoxes::DateRow, WaybillBoxes::TimeRow},
                           rows);
    // The weight box has always come after the insurance box when tabbing.
    QWidget::setTabOrder(boxes->pieces, boxes->insurance);
    boxes->applyPresentation(p);

    noteLabel = new QLabel(p.note, this);
    noteLabel->setWordWrap(true);
    column->addWidget(noteLabel);

    auto *buttons = new QHBoxLayout;
    operate_btn = MakeButton(this, "operate_btn", "保　存");
    printButton = MakeButton(this, "printButton", "単票印刷");
    clearButton = MakeButton(this, "clearButton", "全クリアー");
    cancelButton = MakeButton(this, "cancelButton", "キャンセル");
    buttons->addWidget(operate_btn);
    buttons->addWidget(printButton);
    buttons->addWidget(clearButton);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);
    column->addLayout(buttons);

    connect(operate_btn, &QPushButton::clicked, this, &SingleDataDialog::save);
    connect(printButton, &QPushButton::clicked, this, &SingleDataDialog::printButtonClick);
    connect(clearButton, &QPushButton::clicked, this, &SingleDataDialog::clearAll);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// Each opening reloads the boxes from the single-print data file when it exists.
void SingleDataDialog::prepareForShow()
{
    boxes->followContext();
    reload();
    boxes->name[0]->setFocus();
}

bool SingleDataDialog::reload()
{
    bool read = true;
    if (m_context.record && !m_context.workDir.isEmpty()) {
        const QString path = SingleDataPath(m_context.workDir);
        if (QFileInfo::exists(path)) {
            const LayoutStatus status = LoadSingleData(path, *m_context.record);
            if (!status) {
                ShowNotice("確認", status.message, this);
                read = false;
            }
        }
    }
    edit_set();
    return read;
}

void SingleDataDialog::edit_set()
{
    if (!m_context.record)
        return;
    SingleDataForm f = SingleDataForm::fromRecord(*m_context.record, m_context.editionCode);
    // An edition whose time slot is not loaded keeps the choice as it stands.
    if (!DataEditPresentation::loadsTimeSlot(m_context.editionCode))
        f.timeSelect = boxes->read().timeSelect;
    boxes->load(f);
}

void SingleDataDialog::setBack()
{
    if (m_context.record) {
        const SingleDataForm f{boxes->read()};
        f.storeInto(*m_context.record, m_context.editionCode, f.timeSelect);
    }
}

// A number or date that would be printed as typed, or a file that cannot be
// written, keeps the dialog open, so nothing typed is lost.
bool SingleDataDialog::storeAndSave()
{
    SingleDataForm f{boxes->read()};
    const QString refusal = f.inputViolation(m_context.editionCode);
    if (!refusal.isEmpty()) {
        ShowNotice("確認", refusal, this);
        return false;
    }
    if (!boxes->confirmPostalCode(this))
        return false;
    if (m_context.record)
        f.storeInto(*m_context.record, m_context.editionCode, f.timeSelect);
    if (m_context.record && !m_context.workDir.isEmpty()) {
        const LayoutStatus status = SaveSingleData(SingleDataPath(m_context.workDir), *m_context.record);
        if (!status) {
            ShowNotice("確認", "[保存できませんでした]\n" + status.message, this);
            return false;
        }
    }
    EditorContext::call(m_context.currentData, QString());
    return true;
}

void SingleDataDialog::save()
{
    if (storeAndSave())
        accept();
}

void SingleDataDialog::printButtonClick()
{
    if (!storeAndSave())
        return;
    accept();
    EditorContext::call(m_context.printSingle);
}

void SingleDataDialog::clearAll()
{
    boxes->clear();
}
