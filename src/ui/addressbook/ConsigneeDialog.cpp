#include "ui/addressbook/ConsigneeDialog.h"

#include "core/addressbook/ConsigneeEditPresentation.h"
#include "core/addressbook/ConsigneeForm.h"
#include "ui/common/ShowNotice.h"
#include "core/data/DatabaseErrorText.h"
#include "core/postal/PostalCodeLookup.h"
#include "core/data/Database.h"
#include "ui/addressbook/EditorBoxes.h"
#include "core/addressbook/EditorText.h"
#include "ui/postal/PostalGuideDialog.h"
#include "core/import/Prefectures.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
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
    const QueryResult changes = db.QueryRows(QStringLiteral("SELECT changes()"));
    return changes.ok() && changes.rows.value(0, 0) == QLatin1String("0");
}

// A row of a caption and the widgets after it, hidden as one.
QWidget *captionRow(QWidget *parent, const QString &caption, std::initializer_list<QWidget *> widgets,
                    QLabel **captionLabel = nullptr)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(caption, row);
    label->setMinimumWidth(80);
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

ConsigneeDialog::ConsigneeDialog(const EditorContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName("fcustomerEdit");
    buildWindow();
    applyEdition();
}

void ConsigneeDialog::buildWindow()
{
    auto *column = new QVBoxLayout(this);
    titleLabel = MakeTitleLabel(this);
    column->addWidget(titleLabel);

    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    column->addLayout(columns, 1);

    namae1 = MakeBox(this, "namae1", ImeMode::Japanese);
    namae2 = MakeBox(this, "namae2", ImeMode::Japanese);
    namae1->setMinimumWidth(260);
    namae2->setMinimumWidth(260);
    left->addWidget(captionRow(this, "お名前1", {namae1}));
    left->addWidget(captionRow(this, "お名前2", {namae2}));

    zipcode1 = MakeBox(this, "zipcode1", ImeMode::Latin, 3);
    zipcode2 = MakeBox(this, "zipcode2", ImeMode::Latin, 4);
    zipcode1->setMaximumWidth(50);
    zipcode2->setMaximumWidth(60);
    postalGuideButton = MakeButton(this, "postalGuideButton", "郵便番号検索");
    left->addWidget(captionRow(this, "郵便番号", {zipcode1, new QLabel("－"), zipcode2, postalGuideButton}));

    area = new QComboBox(this);
    area->setObjectName("area");
    area->addItems(PrefectureNames());
    area->setCurrentIndex(-1);
    left->addWidget(captionRow(this, "都道府県", {area}));
    city = MakeBox(this, "city", ImeMode::Japanese);
    location = MakeBox(this, "location", ImeMode::Japanese);
    building = MakeBox(this, "building", ImeMode::Japanese);
    for (QLineEdit *box : {city, location, building})
        box->setMinimumWidth(260);
    left->addWidget(captionRow(this, "市区町村", {city}));
    left->addWidget(captionRow(this, "町名番地", {location}));
    left->addWidget(captionRow(this, "建物等", {building}));

    tel1 = MakeBox(this, "tel1", ImeMode::Latin);
    tel2 = MakeBox(this, "tel2", ImeMode::Latin);
    tel3 = MakeBox(this, "tel3", ImeMode::Latin);
    for (QLineEdit *box : {tel1, tel2, tel3})
        box->setMaximumWidth(70);
    left->addWidget(captionRow(this, "でんわ", {tel1, new QLabel("－"), tel2, new QLabel("－"), tel3}));

    notes = new QPlainTextEdit(this);
    notes->setObjectName("notes");
    notes->setMaximumHeight(70);
    left->addWidget(captionRow(this, "備　考", {notes}));
    // The right column is taller; the left one's rows stay together at the top.
    left->addStretch(1);

    // The item group (right side).
    auto *items = new QGroupBox(this);
    items->setObjectName("itemGroup");
    auto *itemGrid = new QGridLayout(items);
    for (int i = 0; i < 4; ++i) {
        z_goods[i] = MakeBox(items, QString("z_goods%1").arg(i + 1), ImeMode::Japanese);
        goodsButton[i] = MakeButton(items, QString("goodsButton%1").arg(31 + i), "選択");
        auto *caption = new QLabel(items);
        caption->setObjectName(QString("goodsLabel%1").arg(i + 1));
        itemGrid->addWidget(caption, i, 0);
        itemGrid->addWidget(z_goods[i], i, 1);
        itemGrid->addWidget(goodsButton[i], i, 2);
        z_goods[i]->setMinimumWidth(220);
        connect(goodsButton[i], &QPushButton::clicked, this, [this, i] { goodsButtonClick(i + 1); });
    }
    itemGrid->setColumnStretch(1, 1);
    right->addWidget(items);

    z_kingaku = MakeNumberBox(this, "z_kingaku");
    amountRow = captionRow(this, QString(), {z_kingaku});
    right->addWidget(amountRow);
    s_year = MakeNumberBox(this, "s_year", ImeMode::Latin, 4);
    s_Month = MakeNumberBox(this, "s_Month", ImeMode::Latin, 2);
    s_day = MakeNumberBox(this, "s_day", ImeMode::Latin, 2);
    for (QLineEdit *box : {s_year, s_Month, s_day})
        box->setMaximumWidth(55);
    auto *yearLabel = new QLabel("年");
    yearLabel->setObjectName("yearLabel");
    dateRow = captionRow(this, QString(), {s_year, yearLabel, s_Month, new QLabel("月"), s_day, new QLabel("日")});
    right->addWidget(dateRow);
    timeSelect = new QComboBox(this);
    timeSelect->setObjectName("timeSelect");
    timeSelect->setMinimumWidth(140);
    timeRow = captionRow(this, "希望時間帯", {timeSelect});
    right->addWidget(timeRow);
    z_num1 = MakeNumberBox(this, "z_num1");
    // A weight may have decimals: the box stays free.
    z_kg = MakeBox(this, "z_kg", ImeMode::Disabled);
    z_value = MakeNumberBox(this, "z_value");
    piecesRow = captionRow(this, "個　数", {z_num1});
    weightRow = captionRow(this, "重　量", {z_kg});
    insuranceRow = captionRow(this, "保険金額", {z_value});
    right->addWidget(piecesRow);
    right->addWidget(weightRow);
    right->addWidget(insuranceRow);

    senderFrame = new QGroupBox(this);
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
    buttons->addWidget(operate_btn);
    buttons->addWidget(deleteBtn);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);
    column->addLayout(buttons);

    statusLine = new QStatusBar(this);
    statusLine->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(this);
        statusLine->addWidget(m_panels[i], i == 0 ? 0 : 1);
    }
    column->addWidget(statusLine);

    zipcode2->installEventFilter(this);
    connect(operate_btn, &QPushButton::clicked, this, &ConsigneeDialog::save);
    connect(deleteBtn, &QPushButton::clicked, this, &ConsigneeDialog::deleteBtnClick);
    connect(postalGuideButton, &QPushButton::clicked, this, &ConsigneeDialog::openPostalGuide);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The edition's captions, rows and time choices, fixed for the dialog's lifetime.
void ConsigneeDialog::applyEdition()
{
    const ConsigneeEditPresentation p = ConsigneeEditPresentation::forEdition(m_context.editionCode);
    titleLabel->setText(p.heading);
    senderFrame->setTitle(p.senderFrame);
    if (auto *items = findChild<QGroupBox *>("itemGroup"))
        items->setTitle(p.itemGroup);
    for (int i = 0; i < 4; ++i)
        if (auto *caption = findChild<QLabel *>(QString("goodsLabel%1").arg(i + 1)))
            caption->setText(p.itemCaptions[i]);
    amountRow->findChild<QLabel *>()->setText(p.amountCaption);
    dateRow->findChild<QLabel *>()->setText(p.dateCaption);
    amountRow->setVisible(p.amountShown);
    dateRow->setVisible(p.dateShown);
    s_year->setVisible(p.yearShown);
    if (auto *yearLabel = findChild<QLabel *>("yearLabel"))
        yearLabel->setVisible(p.yearShown);
    piecesRow->setVisible(p.piecesShown);
    weightRow->setVisible(p.weightShown);
    insuranceRow->setVisible(p.insuranceShown);
    timeRow->setVisible(!p.timeChoices.isEmpty());
    timeSelect->addItems(p.timeChoices);
    timeSelect->setCurrentIndex(-1);
    for (QPushButton *b : goodsButton)
        b->setEnabled(bool(m_context.choosePhrase));
    postalGuideButton->setEnabled(m_context.zipGuide != nullptr);
}

// ---- Mode -------------------------------------------------------------------

// Panel 2 holds the source flag, an internal word: the status bar shows the
// clerk where the data came from instead.
void ConsigneeDialog::setPanel(int index, const QString &text)
{
    if (index < 0 || index >= 3)
        return;
    m_panelValues[index] = text;
    m_panels[index]->setText(index == 2 && text == HistorySource ? QStringLiteral("履歴から登録") : text);
}

QString ConsigneeDialog::panel(int index) const
{
    return index >= 0 && index < 3 ? m_panelValues[index] : QString();
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

void ConsigneeDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    prepareForShow();
}

void ConsigneeDialog::prepareForShow()
{
    setWindowTitle(QApplication::applicationDisplayName());
    m_savedId.clear();
    postalGuideButton->setEnabled(m_context.zipGuide != nullptr);
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
    namae1->setFocus();
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
    namae1->setText(f.namae1);
    namae2->setText(f.namae2);
    zipcode1->setText(f.zipcode1);
    zipcode2->setText(f.zipcode2);
    SelectExactly(area, f.area);
    city->setText(f.city);
    location->setText(f.location);
    building->setText(f.building);
    tel1->setText(f.tel1);
    tel2->setText(f.tel2);
    tel3->setText(f.tel3);
    notes->setPlainText(f.notes);
    chooseSender(f.companyId);
    z_kingaku->setText(f.kingaku);
    for (int i = 0; i < 4; ++i)
        z_goods[i]->setText(f.goods[i]);
    s_year->setText(f.year);
    s_Month->setText(f.month);
    s_day->setText(f.day);
    z_num1->setText(f.num);
    z_kg->setText(f.kg);
    z_value->setText(f.value);
    // "印刷しない" and any text that is not a choice of this edition show no choice.
    SelectExactly(timeSelect, f.timeSelect == QStringLiteral("印刷しない") ? QString() : f.timeSelect);
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
    ConsigneeForm f;
    f.namae1 = namae1->text();
    f.namae2 = namae2->text();
    f.zipcode1 = zipcode1->text();
    f.zipcode2 = zipcode2->text();
    f.area = SelectedText(area);
    f.city = city->text();
    f.location = location->text();
    f.building = building->text();
    f.tel1 = tel1->text();
    f.tel2 = tel2->text();
    f.tel3 = tel3->text();
    f.notes = notes->toPlainText();
    f.kingaku = z_kingaku->text();
    for (int i = 0; i < 4; ++i)
        f.goods[i] = z_goods[i]->text();
    f.year = s_year->text();
    f.month = s_Month->text();
    f.day = s_day->text();
    f.timeSelect = SelectedText(timeSelect);
    f.num = z_num1->text();
    f.kg = z_kg->text();
    f.value = z_value->text();
    f.companyId = chosenSenderId();

    // Nothing is written for a consignee without a name or with a number or
    // date that would be printed as typed; the dialog keeps what was typed.
    const QString refusal = f.inputViolation(m_context.editionCode);
    if (!refusal.isEmpty()) {
        ShowNotice("確認", refusal, this);
        return false;
    }

    QString id = panel(1);
    if (!id.isEmpty() && !IsRecordId(id)) {
        ShowNotice("確認", "登録番号が正しくありません。\n" + id, this);
        return false;
    }
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
        // The row just inserted on this connection; the sequence table's row
        // order depends on which table got its first row first.
        const QueryResult last = db.QueryRows(QStringLiteral("select last_insert_rowid()"));
        id = last.rows.value(0, 0);
        if (!last.ok() || !IsRecordId(id))
            return report(last.error);
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

// ---- Postal code ----------------------------------------------------------------

void ConsigneeDialog::convertPostalCode()
{
    if (!m_context.db)
        return;
    const PostalLookupResult r =
        LookupPostalCode(*m_context.db, m_context.zipcodeDbPath, zipcode1->text() + zipcode2->text());
    if (!r.ok())
        return; // no postal-code database: the boxes stay as they are
    city->setText(r.city);
    location->setText(r.location);
    SelectExactly(area, r.area);
}

void ConsigneeDialog::zipcode2Exit()
{
    if (!zipcode1->text().isEmpty() && !zipcode2->text().isEmpty() && city->text().isEmpty())
        convertPostalCode();
}

void ConsigneeDialog::zipcode2KeyDown()
{
    convertPostalCode();
}

void ConsigneeDialog::openPostalGuide()
{
    PostalGuideDialog *guide = m_context.zipGuide;
    if (!guide)
        return;
    guide->searchBox->setText(!zipcode1->text().isEmpty() ? zipcode1->text() + zipcode2->text()
                                                      : city->text() + location->text() + building->text());
    if (guide->exec() != QDialog::Accepted)
        return;
    const QString code = guide->chosenText(1);
    zipcode1->setText(PostalPart1(code));
    zipcode2->setText(PostalPart2(code));
    SelectExactly(area, guide->chosenText(2));
    city->setText(guide->chosenText(3));
    location->setText(guide->chosenText(4));
    building->setText(guide->chosenText(5));
}

void ConsigneeDialog::goodsButtonClick(int n)
{
    QString phrase;
    if (n < 1 || n > 4 || !m_context.choosePhrase || !m_context.choosePhrase(&phrase))
        return;
    z_goods[n - 1]->setText(phrase);
    EditorContext::call(m_context.redrawPreview);
}

bool ConsigneeDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == zipcode2) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                zipcode2KeyDown();
                return true;
            }
            // Tab converts and then moves on as usual; the leaving that
            // follows finds the city filled and does nothing more.
            if (key == Qt::Key_Tab)
                zipcode2KeyDown();
        } else if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                zipcode2Exit();
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Closing ------------------------------------------------------------------

void ConsigneeDialog::clearBoxes()
{
    for (QLineEdit *box : {namae1, namae2, zipcode1, zipcode2, city, location, building, tel1, tel2, tel3, z_kingaku,
                           s_year, s_Month, s_day, z_num1, z_kg, z_value})
        box->clear();
    for (QLineEdit *box : z_goods)
        box->clear();
    notes->clear();
    area->setCurrentIndex(-1);
    timeSelect->setCurrentIndex(-1);
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
