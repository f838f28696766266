#include "ui/addressbook/SingleDataDialog.h"

#include "ui/common/ShowNotice.h"
#include "core/postal/PostalCodeLookup.h"
#include "core/addressbook/DataEditPresentation.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/addressbook/SingleDataForm.h"
#include "ui/postal/PostalGuideDialog.h"
#include "core/layout/PrintRecord.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A row of a caption and the widgets after it, hidden as one.
QWidget *captionRow(QWidget *parent, const QString &caption, std::initializer_list<QWidget *> widgets,
                    QLabel **captionLabel = nullptr)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(caption, row);
    label->setMinimumWidth(90);
    layout->addWidget(label);
    for (QWidget *w : widgets) {
        w->setParent(row);
        layout->addWidget(w);
    }
    layout->addStretch(1);
    if (captionLabel)
        *captionLabel = label;
    return row;
}


} // namespace

SingleDataDialog::SingleDataDialog(const EditorContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName("FDATAEDIT");
    buildWindow();
    buildForm();
}

void SingleDataDialog::buildWindow()
{
    auto *column = new QVBoxLayout(this);
    titleLabel = MakeTitleLabel(this);
    column->addWidget(titleLabel);
    blockLabel = new QLabel(this);
    column->addWidget(blockLabel);

    x_namae = MakeBox(this, "x_namae", ImeMode::Japanese);
    x_namae->setMinimumWidth(300);
    column->addWidget(captionRow(this, "お名前", {x_namae}));

    x_YUBIN1 = MakeBox(this, "x_YUBIN1", ImeMode::Latin, 3);
    x_YUBIN2 = MakeBox(this, "x_YUBIN2", ImeMode::Latin, 4);
    x_YUBIN1->setMaximumWidth(50);
    x_YUBIN2->setMaximumWidth(60);
    postalGuideButton = MakeButton(this, "postalGuideButton", "郵便番号検索");
    column->addWidget(captionRow(this, "郵便番号", {x_YUBIN1, new QLabel("－"), x_YUBIN2, postalGuideButton}));

    x_address1 = MakeBox(this, "x_address1", ImeMode::Japanese);
    x_address2 = MakeBox(this, "x_address2", ImeMode::Japanese);
    x_address3 = MakeBox(this, "x_address3", ImeMode::Japanese);
    for (QLineEdit *box : {x_address1, x_address2, x_address3})
        box->setMinimumWidth(360);
    column->addWidget(captionRow(this, "住　所1", {x_address1}));
    column->addWidget(captionRow(this, "住　所2", {x_address2}));
    column->addWidget(captionRow(this, QString(), {x_address3}));

    x_tel1 = MakeBox(this, "x_tel1", ImeMode::Latin);
    x_tel2 = MakeBox(this, "x_tel2", ImeMode::Latin);
    x_tel3 = MakeBox(this, "x_tel3", ImeMode::Latin);
    for (QLineEdit *box : {x_tel1, x_tel2, x_tel3})
        box->setMaximumWidth(70);
    column->addWidget(captionRow(this, "でんわ", {x_tel1, new QLabel("－"), x_tel2, new QLabel("－"), x_tel3}));

    itemGroup = new QGroupBox(this);
    auto *items = new QGridLayout(itemGroup);
    for (int i = 0; i < 4; ++i) {
        goodsLabel[i] = new QLabel(itemGroup);
        z_goods[i] = MakeBox(itemGroup, QString("z_goods%1").arg(i + 1), ImeMode::Japanese);
        z_goods[i]->setMinimumWidth(280);
        goodsButton[i] = MakeButton(itemGroup, QString("Button%1").arg(i + 3), "選択");
        items->addWidget(goodsLabel[i], i, 0);
        items->addWidget(z_goods[i], i, 1);
        items->addWidget(goodsButton[i], i, 2);
        connect(goodsButton[i], &QPushButton::clicked, this, [this, i] { goodsButtonClick(i + 1); });
    }
    column->addWidget(itemGroup);

    z_kingaku = MakeNumberBox(this, "z_kingaku");
    z_num1 = MakeNumberBox(this, "z_num1");
    z_value = MakeNumberBox(this, "z_value");
    z_kg = MakeBox(this, "z_kg", ImeMode::Disabled);
    amountRow = captionRow(this, QString(), {z_kingaku}, &amountLabel);
    piecesRow = captionRow(this, "個　数", {z_num1});
    weightRow = captionRow(this, "重　量", {z_kg});
    insuranceRow = captionRow(this, "保険金額", {z_value});
    for (QWidget *row : {amountRow, piecesRow, weightRow, insuranceRow})
        column->addWidget(row);

    s_year = MakeNumberBox(this, "s_year", ImeMode::Latin, 4);
    s_Month = MakeNumberBox(this, "s_Month", ImeMode::Latin, 2);
    s_day = MakeNumberBox(this, "s_day", ImeMode::Latin, 2);
    for (QLineEdit *box : {s_year, s_Month, s_day})
        box->setMaximumWidth(60);
    yearBox = new QWidget(this);
    auto *yearLayout = new QHBoxLayout(yearBox);
    yearLayout->setContentsMargins(0, 0, 0, 0);
    s_year->setParent(yearBox);
    yearLayout->addWidget(s_year);
    yearLayout->addWidget(new QLabel("年", yearBox));
    dateRow = captionRow(this, QString(), {yearBox, s_Month, new QLabel("月"), s_day, new QLabel("日")}, &dateLabel);
    column->addWidget(dateRow);

    timeSelect = new QComboBox(this);
    timeSelect->setObjectName("timeSelect");
    timeSelect->setMinimumWidth(140);
    timeRow = captionRow(this, "希望時間帯", {timeSelect});
    column->addWidget(timeRow);

    noteLabel = new QLabel(this);
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

    x_YUBIN2->installEventFilter(this);
    connect(operate_btn, &QPushButton::clicked, this, &SingleDataDialog::save);
    connect(printButton, &QPushButton::clicked, this, &SingleDataDialog::printButtonClick);
    connect(clearButton, &QPushButton::clicked, this, &SingleDataDialog::clearAll);
    connect(postalGuideButton, &QPushButton::clicked, this, &SingleDataDialog::openPostalGuide);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The edition's captions, hidden rows and time choices, fixed for the dialog's lifetime.
void SingleDataDialog::buildForm()
{
    const DataEditPresentation p = DataEditPresentation::forEdition(m_context.editionCode);
    titleLabel->setText(p.title);
    blockLabel->setText(p.blockLabel);
    itemGroup->setTitle(p.itemGroup);
    for (int i = 0; i < 4; ++i)
        goodsLabel[i]->setText(p.itemCaptions[i]);
    noteLabel->setText(p.note);
    amountLabel->setText(p.amountCaption);
    dateLabel->setText(p.dateCaption);
    piecesRow->setVisible(p.piecesShown);
    weightRow->setVisible(p.weightShown);
    insuranceRow->setVisible(p.insuranceShown);
    amountRow->setVisible(p.amountShown);
    dateRow->setVisible(p.dateShown);
    yearBox->setVisible(p.yearShown);
    timeRow->setVisible(p.timeShown);
    timeSelect->addItems(p.timeChoices);
    timeSelect->setCurrentIndex(-1);
    const bool phrases = bool(m_context.choosePhrase);
    for (QPushButton *b : goodsButton)
        b->setEnabled(phrases);
    postalGuideButton->setEnabled(m_context.zipGuide != nullptr);
}

void SingleDataDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    prepareForShow();
}

// Each opening reloads the boxes from the single-print data file when it exists.
void SingleDataDialog::prepareForShow()
{
    setWindowTitle(QApplication::applicationDisplayName());
    postalGuideButton->setEnabled(m_context.zipGuide != nullptr);
    reload();
    x_namae->setFocus();
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
    const SingleDataForm f = SingleDataForm::fromRecord(*m_context.record, m_context.editionCode);
    x_namae->setText(f.namae);
    x_YUBIN1->setText(f.yubin1);
    x_YUBIN2->setText(f.yubin2);
    x_address1->setText(f.address1);
    x_address2->setText(f.address2);
    x_address3->setText(f.address3);
    x_tel1->setText(f.tel1);
    x_tel2->setText(f.tel2);
    x_tel3->setText(f.tel3);
    for (int i = 0; i < 4; ++i)
        z_goods[i]->setText(f.goods[i]);
    z_num1->setText(f.num);
    z_value->setText(f.value);
    z_kingaku->setText(f.kingaku);
    s_year->setText(f.year);
    s_Month->setText(f.month);
    s_day->setText(f.day);
    if (DataEditPresentation::loadsTimeSlot(m_context.editionCode)) {
        // "印刷しない" is stored as chosen but shows as no choice. A text that is
        // no choice of this edition shows none too: keeping the previous use's
        // choice would print a time slot the record does not hold.
        SelectExactly(timeSelect, f.timeSlot == QStringLiteral("印刷しない") ? QString() : f.timeSlot);
    }
}

void SingleDataDialog::setBack()
{
    if (m_context.record)
        boxes().storeInto(*m_context.record, m_context.editionCode, SelectedText(timeSelect));
}

SingleDataForm SingleDataDialog::boxes() const
{
    SingleDataForm f;
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
    f.num = z_num1->text();
    f.value = z_value->text();
    f.kingaku = z_kingaku->text();
    f.year = s_year->text();
    f.month = s_Month->text();
    f.day = s_day->text();
    return f;
}

// A number or date that would be printed as typed, or a file that cannot be
// written, keeps the dialog open, so nothing typed is lost.
bool SingleDataDialog::storeAndSave()
{
    SingleDataForm f = boxes();
    const QString refusal = f.inputViolation(m_context.editionCode);
    if (!refusal.isEmpty()) {
        ShowNotice("確認", refusal, this);
        return false;
    }
    if (m_context.record)
        f.storeInto(*m_context.record, m_context.editionCode, SelectedText(timeSelect));
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
    for (QLineEdit *box : {x_namae, x_YUBIN1, x_YUBIN2, x_address1, x_address2, x_address3, x_tel1, x_tel2, x_tel3,
                           z_num1, z_value, z_kingaku, s_year, s_Month, s_day})
        box->clear();
    for (QLineEdit *box : z_goods)
        box->clear();
    timeSelect->setCurrentIndex(-1);
}

void SingleDataDialog::openPostalGuide()
{
    PostalGuideDialog *guide = m_context.zipGuide;
    if (!guide)
        return;
    if (!x_address1->text().isEmpty())
        guide->searchBox->setText(x_address1->text());
    if (!x_YUBIN1->text().isEmpty())
        guide->searchBox->setText(x_YUBIN1->text() + x_YUBIN2->text());
    if (guide->exec() != QDialog::Accepted)
        return;
    const QString code = guide->chosenText(1);
    x_YUBIN1->setText(code.left(3));
    x_YUBIN2->setText(code.mid(3, 4));
    const int option = m_context.zipConvOption ? m_context.zipConvOption() : 0;
    x_address1->setText(ConvertedAddressLine(guide->chosenText(2), guide->chosenText(3), guide->chosenText(4), option));
}

void SingleDataDialog::goodsButtonClick(int n)
{
    QString phrase;
    if (n < 1 || n > 4 || !m_context.choosePhrase || !m_context.choosePhrase(&phrase))
        return;
    z_goods[n - 1]->setText(phrase);
    EditorContext::call(m_context.redrawPreview);
}

void SingleDataDialog::convertPostalCode()
{
    if (!m_context.db)
        return;
    const PostalLookupResult r =
        LookupPostalCode(*m_context.db, m_context.zipcodeDbPath, x_YUBIN1->text() + x_YUBIN2->text());
    if (!r.ok())
        return; // no postal-code database: the boxes stay as they are
    const int option = m_context.zipConvOption ? m_context.zipConvOption() : 0;
    x_address1->setText(ConvertedAddressLine(r.area, r.city, r.location, option));
    x_address2->clear();
}

void SingleDataDialog::x_YUBIN2Exit()
{
    if (!x_YUBIN1->text().isEmpty() && !x_YUBIN2->text().isEmpty() && x_address1->text().isEmpty())
        convertPostalCode();
}

void SingleDataDialog::x_YUBIN2KeyDown()
{
    convertPostalCode();
    x_address1->setFocus();
}

bool SingleDataDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == x_YUBIN2) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                x_YUBIN2KeyDown();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Only a move to another box of this dialog counts as leaving it.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                x_YUBIN2Exit();
        }
    }
    return QDialog::eventFilter(watched, event);
}
