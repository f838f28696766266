#include "ui/addressbook/ItemChangeDialog.h"

#include "ui/common/ShowNotice.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/addressbook/EditorInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct ItemSelectEdition {
    const char *title;
    const char *itemCaption; // with %1 for the number
    const char *amountCaption;
    const char *dateCaption;
    QStringList times;
    bool dateShown, timeShown, amountShown, yearShown, extrasShown;
};

ItemSelectEdition editionTexts(int code)
{
    const QStringList common{"午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時"};
    switch (code) {
    case 10:
        return {"通信欄編集", "通信欄%1", "金 額", "", {}, false, false, true, true, false};
    case 20:
        return {"品名・配達希望日・時間帯編集", "品名%1", "代金引換額", "配達希望日", common + QStringList{"希望しない"},
                true, true, false, false, false};
    case 30:
        return {"品名・金額・希望お届け日編集", "品名%1", "代金引換額", "希望お届け日",
                common + QStringList{"印刷しない"}, true, true, true, false, false};
    case 40:
        return {"品名・お届け予定日編集", "品名%1", "代金引換額", "お届け予定日", {}, true, false, false, false, false};
    case 50:
        return {"品名・ご希望お届け日・時間帯編集",
                "品　名%1",
                "金 額",
                "ご希望お届け日",
                {"10時～12時", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "希望なし"},
                true,
                true,
                false,
                false,
                false};
    default:
        return {"商品選択", "品　名%1", "金 額", "お届け予定日", common + QStringList{"印刷しない"},
                true, true, true, true, true};
    }
}

QWidget *row(QWidget *parent, const QList<QWidget *> &widgets)
{
    auto *w = new QWidget(parent);
    auto *layout = new QHBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *child : widgets)
        layout->addWidget(child);
    layout->addStretch(1);
    return w;
}

} // namespace

ItemChangeDialog::ItemChangeDialog(int editionCode, QWidget *parent) : QDialog(parent)
{
    setObjectName("itemChangeDialog");
    auto *column = new QVBoxLayout(this);
    titleLabel = new QLabel(this);
    column->addWidget(titleLabel);
    column->addWidget(new QLabel("入れ替えたい項目にチェックを入れてください", this));

    Checkitem = new QCheckBox("変更する", this);
    Checkitem->setObjectName("Checkitem");
    column->addWidget(Checkitem);
    auto *goods = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        goodsLabel[i] = new QLabel(this);
        z_goods[i] = new QLineEdit(this);
        z_goods[i]->setObjectName(QString("z_goods%1").arg(i + 1));
        chooseButton[i] = new QPushButton("選択", this);
        chooseButton[i]->setAutoDefault(false);
        chooseButton[i]->setEnabled(false);
        goods->addWidget(goodsLabel[i], i, 0);
        goods->addWidget(z_goods[i], i, 1);
        goods->addWidget(chooseButton[i], i, 2);
        connect(chooseButton[i], &QPushButton::clicked, this, [this, i] { chooseClick(i + 1); });
    }
    column->addLayout(goods);

    CheckKingaku = new QCheckBox(this);
    CheckKingaku->setObjectName("CheckKingaku");
    kingakuLabel = new QLabel(this);
    z_kingaku = MakeNumberBox(this, "z_kingaku");
    amountRow = row(this, {CheckKingaku, kingakuLabel, z_kingaku});
    column->addWidget(amountRow);

    CheckDate = new QCheckBox(this);
    CheckDate->setObjectName("CheckDate");
    dateLabel = new QLabel(this);
    s_year = MakeNumberBox(this, "s_year", ImeMode::Latin, 4);
    yearLabel = new QLabel("年", this);
    s_Month = MakeNumberBox(this, "s_Month", ImeMode::Latin, 2);
    s_day = MakeNumberBox(this, "s_day", ImeMode::Latin, 2);
    for (QLineEdit *box : {s_year, s_Month, s_day})
        box->setMaximumWidth(60);
    dateRow = row(this, {CheckDate, dateLabel, s_year, yearLabel, s_Month, new QLabel("月", this), s_day,
                         new QLabel("日", this)});
    column->addWidget(dateRow);

    Checktime = new QCheckBox(this);
    Checktime->setObjectName("Checktime");
    timeLabel = new QLabel("希望時間帯", this);
    timeSelect = new QComboBox(this);
    timeSelect->setObjectName("timeSelect");
    timeRow = row(this, {Checktime, timeLabel, timeSelect});
    column->addWidget(timeRow);

    z_num1 = new QLineEdit(this);
    z_value = new QLineEdit(this);
    z_kg = new QLineEdit(this);
    extraRows = row(this, {new QLabel("個　数", this), z_num1, new QLabel("保険金額", this), z_value,
                           new QLabel("重　量", this), z_kg});
    column->addWidget(extraRows);

    auto *buttons = new QHBoxLayout;
    runButton = new QPushButton("実　行", this);
    cancelButton = new QPushButton("キャンセル", this);
    runButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(runButton);
    buttons->addWidget(cancelButton);
    column->addLayout(buttons);
    connect(runButton, &QPushButton::clicked, this, &ItemChangeDialog::runClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    applyEdition(editionCode);
}

void ItemChangeDialog::applyEdition(int editionCode)
{
    const ItemSelectEdition e = editionTexts(editionCode);
    titleLabel->setText(QString::fromUtf8(e.title));
    for (int i = 0; i < 4; ++i)
        goodsLabel[i]->setText(QString::fromUtf8(e.itemCaption).arg(i + 1));
    kingakuLabel->setText(QString::fromUtf8(e.amountCaption));
    dateLabel->setText(QString::fromUtf8(e.dateCaption));
    timeSelect->addItems(e.times);
    // Hidden rows are hidden for good: a hidden group cannot be ticked.
    amountRow->setVisible(e.amountShown);
    dateRow->setVisible(e.dateShown);
    timeRow->setVisible(e.timeShown);
    s_year->setVisible(e.yearShown);
    yearLabel->setVisible(e.yearShown);
    extraRows->setVisible(e.extrasShown);
    CheckKingaku->setEnabled(e.amountShown);
    CheckDate->setEnabled(e.dateShown);
    Checktime->setEnabled(e.timeShown);
}

// The amount and the date go into every ticked consignee: a ticked group that
// is no whole number or no real day is refused before anything is written.
void ItemChangeDialog::runClick()
{
    const ItemChangeValues v = values();
    QString amount = v.kingaku, year = v.year, month = v.month, day = v.day;
    const QString refusal =
        NumberAndDateViolation({{&amount, kingakuLabel->text(), v.amount}},
                               {&year, &month, &day, dateLabel->text(), v.date, s_year->isVisibleTo(this)});
    if (!refusal.isEmpty()) {
        ShowNotice("確認", refusal, this);
        return;
    }
    accept();
}

void ItemChangeDialog::setPhraseChooser(std::function<bool(QString *phrase)> chooser)
{
    m_chooser = std::move(chooser);
    for (QPushButton *b : chooseButton)
        b->setEnabled(bool(m_chooser));
}

void ItemChangeDialog::chooseClick(int n)
{
    QString phrase;
    if (n >= 1 && n <= 4 && m_chooser && m_chooser(&phrase))
        z_goods[n - 1]->setText(phrase);
}

ItemChangeValues ItemChangeDialog::values() const
{
    ItemChangeValues v;
    v.items = Checkitem->isChecked();
    for (int i = 0; i < 4; ++i)
        v.goods[i] = z_goods[i]->text();
    v.amount = CheckKingaku->isChecked() && CheckKingaku->isEnabled();
    v.kingaku = z_kingaku->text();
    v.date = CheckDate->isChecked() && CheckDate->isEnabled();
    v.year = s_year->text();
    v.month = s_Month->text();
    v.day = s_day->text();
    v.time = Checktime->isChecked() && Checktime->isEnabled();
    v.timeText = timeSelect->currentText();
    return v;
}

// The dialog is built before the edition names the program: the caption is
// taken at every showing.
void ItemChangeDialog::showEvent(QShowEvent *event)
{
    setWindowTitle(QApplication::applicationDisplayName());
    QDialog::showEvent(event);
    Checkitem->setFocus();
}
