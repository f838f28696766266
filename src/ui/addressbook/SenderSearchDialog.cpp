#include "ui/addressbook/SenderSearchDialog.h"

#include "core/addressbook/ListSort.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

SenderSearchDialog::SenderSearchDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName("fsenderKensaku");
    auto *column = new QVBoxLayout(this);
    titleLabel = new QLabel(this);
    column->addWidget(titleLabel);
    senderFrame = new QGroupBox("ご依頼主", this);
    auto *groupColumn = new QVBoxLayout(senderFrame);
    senderChoice = new QTreeWidget(senderFrame);
    senderChoice->setObjectName("senderChoice");
    senderChoice->setHeaderLabels({"ID", "お名前"});
    senderChoice->setRootIsDecorated(false);
    senderChoice->setSelectionBehavior(QAbstractItemView::SelectRows);
    senderChoice->setEditTriggers(QAbstractItemView::NoEditTriggers);
    senderChoice->header()->setSectionsClickable(true);
    senderChoice->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    groupColumn->addWidget(senderChoice);
    column->addWidget(senderFrame, 1);
    auto *buttons = new QHBoxLayout;
    clearButton = new QPushButton("指定解除", this);
    runButton = new QPushButton("実　行", this);
    clearButton->setAutoDefault(false);
    buttons->addWidget(clearButton);
    buttons->addStretch(1);
    buttons->addWidget(runButton);
    column->addLayout(buttons);
    resize(360, 360);

    connect(senderChoice->header(), &QHeaderView::sectionClicked, this, &SenderSearchDialog::clickColumn);
    connect(clearButton, &QPushButton::clicked, this, [this] {
        senderChoice->clearSelection();
        senderChoice->setCurrentItem(nullptr);
    });
    connect(runButton, &QPushButton::clicked, this, &QDialog::accept);
}

void SenderSearchDialog::setRows(const QVector<QStringList> &rows)
{
    // The copy is refreshed at every opening; the sender chosen last time
    // stays chosen, or "実　行" alone would drop the filter it set.
    const QString keep = selectedId();
    m_rows = rows;
    fill();
    reselect(keep);
}

void SenderSearchDialog::fill()
{
    QVector<int> order(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i)
        order[i] = i;
    if (m_sortState != 0) {
        const int column = (m_sortState < 0 ? -m_sortState : m_sortState) - 1;
        QStringList keys;
        for (const QStringList &row : m_rows)
            keys << row.value(column);
        order = SortedOrder(keys, m_sortState < 0);
    }
    senderChoice->clear();
    for (int i : order)
        new QTreeWidgetItem(senderChoice, {m_rows.at(i).value(0), m_rows.at(i).value(1)});
}

void SenderSearchDialog::setCaptions(const QString &groupCaption, const QString &title)
{
    senderFrame->setTitle(groupCaption);
    titleLabel->setText(title);
}

// The caption is the program's title of the moment, whoever opens the dialog.
void SenderSearchDialog::showEvent(QShowEvent *event)
{
    setWindowTitle(QApplication::applicationDisplayName());
    QDialog::showEvent(event);
}

QString SenderSearchDialog::selectedId() const
{
    const QList<QTreeWidgetItem *> items = senderChoice->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text(0);
}

QString SenderSearchDialog::selectedName() const
{
    const QList<QTreeWidgetItem *> items = senderChoice->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text(1);
}

void SenderSearchDialog::clickColumn(int column)
{
    const QString keep = selectedId();
    m_sortState = NextSortState(m_sortState, column);
    fill();
    reselect(keep);
}

void SenderSearchDialog::reselect(const QString &id)
{
    if (id.isEmpty())
        return;
    for (int i = 0; i < senderChoice->topLevelItemCount(); ++i)
        if (senderChoice->topLevelItem(i)->text(0) == id) {
            senderChoice->setCurrentItem(senderChoice->topLevelItem(i));
            return;
        }
}
