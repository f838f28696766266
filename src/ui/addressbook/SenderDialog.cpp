#include "ui/addressbook/SenderDialog.h"

#include "ui/common/ShowNotice.h"
#include "core/data/DatabaseErrorText.h"
#include "core/postal/PostalCodeLookup.h"
#include "core/data/Database.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/addressbook/EditorText.h"
#include "core/addressbook/SenderEditPresentation.h"
#include "core/addressbook/SenderForm.h"
#include "ui/postal/PostalGuideDialog.h"
#include "core/import/Prefectures.h"
#include "core/layout/PrintRecord.h"

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

SenderDialog::SenderDialog(const EditorContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName("fsenderEdit");
    buildWindow();
}

void SenderDialog::buildWindow()
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

    // buildForm: the prefecture list, no free text.
    addressPanel = new QWidget(this);
    auto *grid = new QGridLayout(addressPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    y_yubin1 = MakeBox(addressPanel, "y_yubin1", ImeMode::Latin, 3);
    y_yubin2 = MakeBox(addressPanel, "y_yubin2", ImeMode::Latin, 4);
    y_yubin1->setMaximumWidth(50);
    y_yubin2->setMaximumWidth(60);
    postalGuideButton = MakeButton(addressPanel, "postalGuideButton", "郵便番号検索");
    auto *zipRow = new QHBoxLayout;
    zipRow->addWidget(y_yubin1);
    zipRow->addWidget(new QLabel("－", addressPanel));
    zipRow->addWidget(y_yubin2);
    zipRow->addWidget(postalGuideButton);
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
    deleteButton = MakeButton(this, "deleteButton", "削　除");
    cancelButton = MakeButton(this, "cancelButton", "キャンセル");
    buttons->addWidget(operate_btn);
    buttons->addWidget(deleteButton);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);
    column->addLayout(buttons);
    column->addStretch(1);

    statusLine = new QStatusBar(this);
    statusLine->setSizeGripEnabled(false);
    m_panel = new QLabel(this);
    statusLine->addWidget(m_panel, 1);
    column->addWidget(statusLine);

    y_yubin2->installEventFilter(this);
    connect(operate_btn, &QPushButton::clicked, this, &SenderDialog::save);
    connect(deleteButton, &QPushButton::clicked, this, &SenderDialog::deleteSender);
    connect(postalGuideButton, &QPushButton::clicked, this, &SenderDialog::openPostalGuide);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    applyEdition();
}

void SenderDialog::setSenderId(const QString &id)
{
    m_panel->setText(id);
}

QString SenderDialog::senderId() const
{
    return m_panel->text();
}

int SenderDialog::openFor(const QString &id)
{
    setSenderId(id);
    return exec();
}

// The edition's title and which panel is shown.
void SenderDialog::applyEdition()
{
    const SenderEditPresentation p = SenderEditPresentation::forEdition(m_context.editionCode);
    titleLabel->setText(p.title);
    accountPanel->setVisible(p.accountShown);
    addressPanel->setVisible(p.addressShown);
    postalGuideButton->setEnabled(m_context.zipGuide != nullptr);
}

void SenderDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    prepareForShow();
}

void SenderDialog::prepareForShow()
{
    setWindowTitle(QApplication::applicationDisplayName());
    applyEdition();
    adjustSize();
    loadSender();
    y_namae->setFocus();
}

void SenderDialog::loadSender()
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

void SenderDialog::save()
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

void SenderDialog::deleteSender()
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

void SenderDialog::openPostalGuide()
{
    PostalGuideDialog *guide = m_context.zipGuide;
    if (!guide)
        return;
    const QString place = city->text() + location->text();
    const QString whole = place + building->text();
    guide->searchBox->setText(whole.isEmpty() ? place : whole);
    if (!y_yubin1->text().isEmpty())
        guide->searchBox->setText(y_yubin1->text() + y_yubin2->text());
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

void SenderDialog::y_yubin2KeyDown()
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

bool SenderDialog::eventFilter(QObject *watched, QEvent *event)
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
