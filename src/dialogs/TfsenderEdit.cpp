#include "dialogs/TfsenderEdit.h"

#include "app/ShowNotice.h"
#include "data/DatabaseErrorText.h"
#include "data/PostalCodeLookup.h"
#include "data/TDataModule1.h"
#include "dialogs/EditorBoxes.h"
#include "dialogs/EditorText.h"
#include "dialogs/SenderEditPresentation.h"
#include "dialogs/SenderForm.h"
#include "dialogs/Tfzipguide.h"
#include "import/Prefectures.h"
#include "layout/PrintRecord.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TfsenderEdit::TfsenderEdit(const EditorContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName("fsenderEdit");
    buildWindow();
}

void TfsenderEdit::buildWindow()
{
    auto *column = new QVBoxLayout(this);
    titleLabel = MakeTitleLabel(this);
    column->addWidget(titleLabel);

    auto *nameRow = new QHBoxLayout;
    y_namae = MakeBox(this, "y_namae", ImeMode::Japanese);
    y_namae->setMinimumWidth(320);
    nameRow->addWidget(new QLabel("お名前", this));
    nameRow->addWidget(y_namae, 1);
    column->addLayout(nameRow);

    accountPanel = new QWidget(this);
    auto *account = new QHBoxLayout(accountPanel);
    account->setContentsMargins(0, 0, 0, 0);
    account->addWidget(new QLabel("口座番号", accountPanel));
    for (int i = 0; i < 3; ++i) {
        tagkey[i] = MakeBox(accountPanel, QString("tagkey%1").arg(i + 1), ImeMode::Latin, SenderForm::AccountLimit);
        account->addWidget(tagkey[i]);
        if (i < 2)
            account->addWidget(new QLabel("－", accountPanel));
    }
    column->addWidget(accountPanel);

    // FormCreate: the prefecture list, no free text.
    addressPanel = new QWidget(this);
    auto *grid = new QGridLayout(addressPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    y_yubin1 = MakeBox(addressPanel, "y_yubin1", ImeMode::Latin, 3);
    y_yubin2 = MakeBox(addressPanel, "y_yubin2", ImeMode::Latin, 4);
    y_yubin1->setMaximumWidth(50);
    y_yubin2->setMaximumWidth(60);
    Button2 = MakeButton(addressPanel, "Button2", "郵便番号検索");
    auto *zipRow = new QHBoxLayout;
    zipRow->addWidget(y_yubin1);
    zipRow->addWidget(new QLabel("－", addressPanel));
    zipRow->addWidget(y_yubin2);
    zipRow->addWidget(Button2);
    zipRow->addStretch(1);
    grid->addWidget(new QLabel("郵便番号", addressPanel), 0, 0);
    grid->addLayout(zipRow, 0, 1);
    area = new QComboBox(addressPanel);
    area->setObjectName("area");
    area->addItems(PrefectureNames());
    area->setCurrentIndex(-1);
    grid->addWidget(new QLabel("都道府県", addressPanel), 1, 0);
    grid->addWidget(area, 1, 1, Qt::AlignLeft);
    city = MakeBox(addressPanel, "city", ImeMode::Japanese);
    location = MakeBox(addressPanel, "location", ImeMode::Japanese);
    building = MakeBox(addressPanel, "building", ImeMode::Japanese);
    grid->addWidget(new QLabel("市区町村", addressPanel), 2, 0);
    grid->addWidget(city, 2, 1);
    grid->addWidget(new QLabel("町名番地", addressPanel), 3, 0);
    grid->addWidget(location, 3, 1);
    grid->addWidget(new QLabel("建物等", addressPanel), 4, 0);
    grid->addWidget(building, 4, 1);
    y_tel1 = MakeBox(addressPanel, "y_tel1", ImeMode::Latin);
    y_tel2 = MakeBox(addressPanel, "y_tel2", ImeMode::Latin);
    y_tel3 = MakeBox(addressPanel, "y_tel3", ImeMode::Latin);
    auto *telRow = new QHBoxLayout;
    for (QLineEdit *box : {y_tel1, y_tel2, y_tel3}) {
        box->setMaximumWidth(70);
        telRow->addWidget(box);
        if (box != y_tel3)
            telRow->addWidget(new QLabel("－", addressPanel));
    }
    telRow->addStretch(1);
    grid->addWidget(new QLabel("電話番号", addressPanel), 5, 0);
    grid->addLayout(telRow, 5, 1);
    column->addWidget(addressPanel);

    auto *buttons = new QHBoxLayout;
    operate_btn = MakeButton(this, "operate_btn", "保　存");
    Button1 = MakeButton(this, "Button1", "削　除");
    Button4 = MakeButton(this, "Button4", "キャンセル");
    buttons->addWidget(operate_btn);
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    buttons->addWidget(Button4);
    column->addLayout(buttons);
    column->addStretch(1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    m_panel = new QLabel(this);
    StatusBar1->addWidget(m_panel, 1);
    column->addWidget(StatusBar1);

    y_yubin2->installEventFilter(this);
    connect(operate_btn, &QPushButton::clicked, this, &TfsenderEdit::operate_btnClick);
    connect(Button1, &QPushButton::clicked, this, &TfsenderEdit::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfsenderEdit::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    applyEdition();
}

void TfsenderEdit::setSenderId(const QString &id)
{
    m_panel->setText(id);
}

QString TfsenderEdit::senderId() const
{
    return m_panel->text();
}

int TfsenderEdit::openFor(const QString &id)
{
    setSenderId(id);
    return exec();
}

// The edition's title and which panel is shown.
void TfsenderEdit::applyEdition()
{
    const SenderEditPresentation p = SenderEditPresentation::forEdition(m_context.editionCode);
    titleLabel->setText(p.title);
    accountPanel->setVisible(p.accountShown);
    addressPanel->setVisible(p.addressShown);
    Button2->setEnabled(m_context.zipGuide != nullptr);
}

void TfsenderEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfsenderEdit::FormShow()
{
    setWindowTitle(QApplication::applicationDisplayName());
    applyEdition();
    adjustSize();
    dataRead();
    y_namae->setFocus();
}

void TfsenderEdit::dataRead()
{
    for (QLineEdit *box : {y_namae, y_yubin1, y_yubin2, city, location, building, y_tel1, y_tel2, y_tel3})
        box->clear();
    for (QLineEdit *box : tagkey)
        box->clear();
    area->setCurrentIndex(-1);
    const QString id = senderId();
    if (id.isEmpty() || !m_context.db)
        return;
    if (!IsRecordId(id)) {
        ShowNotice("確認", "登録番号が正しくありません。\n" + id, this);
        return;
    }
    if (m_context.db->OpenDatabase(m_context.addressDbPath).isError())
        return;
    const QueryResult result = m_context.db->QueryRows(SenderForm::selectSql(id));
    if (!result.ok()) {
        ShowNotice("確認", DatabaseErrorInJapanese(result.error), this);
        return;
    }
    if (result.rows.isEmpty())
        return;
    const QStringList row = result.rows.row(0);
    const SenderForm f = SenderForm::fromRow(row);
    y_namae->setText(f.namae);
    y_yubin1->setText(f.yubin1);
    y_yubin2->setText(f.yubin2);
    SelectExactly(area, f.area);
    city->setText(f.city);
    location->setText(f.location);
    building->setText(f.building);
    y_tel1->setText(f.tel1);
    y_tel2->setText(f.tel2);
    y_tel3->setText(f.tel3);
    for (int i = 0; i < 3; ++i)
        tagkey[i]->setText(f.tag[i]);
    if (m_context.record)
        CopySenderToRecord(row, *m_context.record);
}

void TfsenderEdit::operate_btnClick()
{
    SenderForm f;
    f.namae = y_namae->text();
    f.yubin1 = y_yubin1->text();
    f.yubin2 = y_yubin2->text();
    f.area = SelectedText(area);
    f.city = city->text();
    f.location = location->text();
    f.building = building->text();
    f.tel1 = y_tel1->text();
    f.tel2 = y_tel2->text();
    f.tel3 = y_tel3->text();
    for (int i = 0; i < 3; ++i)
        f.tag[i] = tagkey[i]->text();
    const QString tooLong = f.lengthError();
    if (!tooLong.isEmpty()) {
        ShowNotice("確認", tooLong, this);
        return;
    }
    if (!m_context.db)
        return;
    const QString id = senderId();
    if (!id.isEmpty() && !IsRecordId(id)) {
        ShowNotice("確認", "登録番号が正しくありません。\n" + id, this);
        return;
    }
    DatabaseError error = m_context.db->OpenDatabase(m_context.addressDbPath);
    const bool failed = error.isError() || m_context.db->ExecSql(id.isEmpty() ? f.insertSql() : f.updateSql(id), &error);
    // A failed insert is reported as well: closing silently would lose the new sender.
    if (failed) {
        ShowNotice("確認", "登録に失敗しました\n" + DatabaseErrorInJapanese(error), this);
        return;
    }
    if (!id.isEmpty())
        ShowNotice("確認", "正常に更新しました", this);
    accept();
}

void TfsenderEdit::Button1Click()
{
    const QString id = senderId();
    if (id.isEmpty())
        return;
    const int senders = m_context.senderRows ? int(m_context.senderRows().size()) : 0;
    if (senders <= 1) {
        ShowNotice("確認", titleLabel->text() + "は1つ以上は残してください。", this);
        reject();
        return;
    }
    if (AskOkCancel("削除してもよろしいですか？", this) && IsRecordId(id) && m_context.db) {
        DatabaseError error = m_context.db->OpenDatabase(m_context.addressDbPath);
        if (error.isError() || m_context.db->ExecSql(SenderForm::deleteSql(id), &error))
            ShowNotice("確認", "削除に失敗しました", this);
    }
    reject();
}

void TfsenderEdit::Button2Click()
{
    Tfzipguide *guide = m_context.zipGuide;
    if (!guide)
        return;
    const QString place = city->text() + location->text();
    const QString whole = place + building->text();
    guide->Edit1->setText(whole.isEmpty() ? place : whole);
    if (!y_yubin1->text().isEmpty())
        guide->Edit1->setText(y_yubin1->text() + y_yubin2->text());
    if (guide->exec() != QDialog::Accepted)
        return;
    const QString code = guide->chosenText(1);
    y_yubin1->setText(PostalPart1(code));
    y_yubin2->setText(PostalPart2(code));
    SelectExactly(area, guide->chosenText(2));
    city->setText(guide->chosenText(3));
    location->setText(guide->chosenText(4));
    building->clear();
}

void TfsenderEdit::y_yubin2KeyDown()
{
    if (!m_context.db)
        return;
    const PostalLookupResult r =
        LookupPostalCode(*m_context.db, m_context.zipcodeDbPath, y_yubin1->text() + y_yubin2->text());
    if (!r.ok())
        return; // no postal-code database: the boxes stay as they are
    SelectExactly(area, r.area);
    city->setText(r.city);
    location->setText(r.location);
}

bool TfsenderEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == y_yubin2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            y_yubin2KeyDown();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
