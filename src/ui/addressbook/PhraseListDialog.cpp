#include "ui/addressbook/PhraseListDialog.h"

#include "ui/common/ShowNotice.h"
#include "core/addressbook/PhraseStore.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

PhraseListDialog::PhraseListDialog(PhraseStore &store, QWidget *parent) : QDialog(parent), m_store(store)
{
    setObjectName("fchrlist");
    auto *column = new QVBoxLayout(this);
    titleLabel = new QLabel("通信欄リスト", this);
    titleLabel->setObjectName("titleLabel");
    column->addWidget(titleLabel);

    grid = new QTableWidget(2, 2, this);
    grid->setObjectName("phraseGrid");
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, 64);
    grid->setColumnWidth(1, 296);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->viewport()->installEventFilter(this);
    column->addWidget(grid, 1);

    auto *buttons = new QHBoxLayout;
    addButton = new QPushButton("新規追加", this);
    changeButton = new QPushButton("修　正", this);
    deleteButton = new QPushButton("削　除", this);
    cancelButton = new QPushButton("キャンセル", this);
    for (QPushButton *b : {addButton, changeButton, deleteButton, cancelButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    column->addLayout(buttons);
    statusLine = new QStatusBar(this);
    statusLine->setSizeGripEnabled(false);
    statusLine->showMessage("選択は左ダブルクリック、登録はシフトキーを押しながら左クリック");
    column->addWidget(statusLine);
    resize(420, 460);

    askText = [this](const QString &initial, QString *text) {
        bool ok = false;
        const QString answer = QInputDialog::getText(this, QApplication::applicationDisplayName(),
                                                     "登録する文字列を入力してください。", QLineEdit::Normal,
                                                     initial, &ok);
        if (ok)
            *text = answer;
        return ok;
    };

    connect(addButton, &QPushButton::clicked, this, &PhraseListDialog::addClick);
    connect(changeButton, &QPushButton::clicked, this, [this] { changeClick(false); });
    connect(deleteButton, &QPushButton::clicked, this, &PhraseListDialog::deleteClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        // The header row and the empty row of an empty list carry no phrase:
        // choosing them would empty the caller's box instead of filling it.
        const QTableWidgetItem *id = row > 0 ? grid->item(row, 0) : nullptr;
        if (id && !id->text().isEmpty())
            accept();
    });
}

void PhraseListDialog::setTitle(const QString &title)
{
    titleLabel->setText(title);
}

// However the list is opened, its caption is the program's title of the moment.
void PhraseListDialog::showEvent(QShowEvent *event)
{
    setWindowTitle(QApplication::applicationDisplayName());
    QDialog::showEvent(event);
}

bool PhraseListDialog::choose(QString *phrase)
{
    refresh();
    if (exec() != QDialog::Accepted)
        return false;
    if (phrase)
        *phrase = selectedPhrase();
    return true;
}

void PhraseListDialog::refresh()
{
    const QVector<Phrase> phrases = m_store.read();
    grid->clearContents();
    grid->setRowCount(qMax(2, int(phrases.size()) + 1));
    for (int i = 0; i < phrases.size(); ++i) {
        grid->setItem(i + 1, 0, new QTableWidgetItem(phrases.at(i).id));
        grid->setItem(i + 1, 1, new QTableWidgetItem(phrases.at(i).text));
    }
}

QString PhraseListDialog::selectedId() const
{
    const int row = grid->currentRow();
    const QTableWidgetItem *item = row > 0 ? grid->item(row, 0) : nullptr;
    return item ? item->text() : QString();
}

QString PhraseListDialog::selectedPhrase() const
{
    const int row = grid->currentRow();
    const QTableWidgetItem *item = row > 0 ? grid->item(row, 1) : nullptr;
    return item ? item->text() : QString();
}

void PhraseListDialog::selectRow(int r)
{
    grid->setCurrentCell(r, 1);
}

void PhraseListDialog::addClick()
{
    QString text;
    if (askText(QString(), &text))
        m_store.insert(text);
    refresh();
}

void PhraseListDialog::changeClick(bool fromShiftClick)
{
    const QString id = selectedId();
    if (id.isEmpty()) {
        if (!fromShiftClick)
            ShowNotice("確認", "修正する行を選択してください。", this);
        return;
    }
    const int row = grid->currentRow();
    QString text;
    if (askText(selectedPhrase(), &text))
        m_store.update(id, text);
    refresh();
    selectRow(row);
}

void PhraseListDialog::deleteClick()
{
    const QString id = selectedId();
    if (id.isEmpty())
        return;
    if (!AskOkCancel("削除してもよろしいですか？", this))
        return;
    if (m_store.remove(id))
        refresh();
    else
        ShowNotice("確認", "削除に失敗しました", this);
}

bool PhraseListDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ShiftModifier)) {
            const int row = grid->rowAt(mouse->position().toPoint().y());
            if (row >= 0)
                selectRow(row);
            changeClick(true);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
