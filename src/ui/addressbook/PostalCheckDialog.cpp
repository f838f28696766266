#include "ui/addressbook/PostalCheckDialog.h"

#include "ui/addressbook/EditorBoxes.h"
#include "ui/controls/ElidingItemDelegate.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

PostalCheckDialog::PostalCheckDialog(std::function<const PostalAddressTable *()> table, const QString &party,
                                     std::function<QVector<ConsigneeRow>()> readConsignees,
                                     std::function<bool(const QString &id)> editConsignee, QWidget *parent)
    : QDialog(parent), m_table(std::move(table)), m_party(party), m_readConsignees(std::move(readConsignees)),
      m_editConsignee(std::move(editConsignee))
{
    setObjectName(QStringLiteral("postalCheckDialog"));
    setWindowTitle(QStringLiteral("住所と郵便番号を確認"));
    auto *column = new QVBoxLayout(this);
    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("summary"));
    column->addWidget(summary);

    mismatchGrid = new QTableWidget(0, 4, this);
    mismatchGrid->setObjectName(QStringLiteral("mismatchGrid"));
    mismatchGrid->setHorizontalHeaderLabels(
        {QStringLiteral("お名前"), QStringLiteral("郵便番号"), QStringLiteral("住所"), QStringLiteral("郵便番号データの住所")});
    mismatchGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    mismatchGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    mismatchGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mismatchGrid->setWordWrap(false);
    mismatchGrid->setItemDelegate(new ElidingItemDelegate(mismatchGrid));
    mismatchGrid->verticalHeader()->hide();
    // Name and code keep their widths; the two addresses share the rest of the
    // grid's width, so that the fourth column is never pushed out of sight.
    // A text longer than its cell ends in "…" and is whole in its tool tip.
    const QFontMetrics metrics(font());
    QHeaderView *header = mismatchGrid->horizontalHeader();
    mismatchGrid->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("山田　太郎　様")) + 16);
    mismatchGrid->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("123-45678")) + 16);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Stretch);
    const int typicalAddress =
        std::max(metrics.horizontalAdvance(QStringLiteral("東京都千代田区千代田1-1-1 ○○ビル")),
                 metrics.horizontalAdvance(QStringLiteral("郵便番号 123-4567 は郵便番号データにありません")))
        + 16;
    column->addWidget(mismatchGrid, 1);

    auto *buttons = new QHBoxLayout;
    editButton = MakeButton(this, QStringLiteral("editButton"), QStringLiteral("修正"));
    closeButton = MakeButton(this, QStringLiteral("closeButton"), QStringLiteral("閉じる"));
    buttons->addStretch(1);
    buttons->addWidget(editButton);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);
    // Wide enough for typical addresses in both columns, within the screen.
    const int wanted = mismatchGrid->columnWidth(0) + mismatchGrid->columnWidth(1) + 2 * typicalAddress
                       + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 48;
    const QScreen *shownOn = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = shownOn ? shownOn->availableGeometry().width() : wanted;
    resize(std::min(wanted, screenWidth * 9 / 10), metrics.height() * 28);

    connect(editButton, &QPushButton::clicked, this, [this] { editRow(mismatchGrid->currentRow()); });
    connect(mismatchGrid, &QTableWidget::cellDoubleClicked, this, [this](int row) { editRow(row); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

void PostalCheckDialog::refresh()
{
    const int keepRow = mismatchGrid->currentRow();
    const PostalAddressTable *table = m_table ? m_table() : nullptr;
    m_mismatches = table && m_readConsignees ? FindPostalMismatches(m_readConsignees(), *table)
                                             : QVector<PostalMismatch>();
    mismatchGrid->setRowCount(int(m_mismatches.size()));
    for (int r = 0; r < m_mismatches.size(); ++r) {
        const PostalMismatch &m = m_mismatches.at(r);
        // The table's address when the code is known, else why it is not.
        const QString texts[] = {m.consignee.name, m.consignee.zipcode, m.consignee.address,
                                 m.check.expected.isEmpty() ? m.check.explanation() : m.check.expected};
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(texts[c]);
            item->setToolTip(c == 3 ? m.check.explanation() : texts[c]);
            mismatchGrid->setItem(r, c, item);
        }
    }
    summary->setText(!table                 ? QStringLiteral("郵便番号データがないため確認できません。")
                     : m_mismatches.isEmpty()
                         ? QStringLiteral("郵便番号と住所が一致しない%1はありません。").arg(m_party)
                         : QStringLiteral("郵便番号と住所が一致しない%1: %2 件（行をダブルクリックすると修正できます）")
                               .arg(m_party)
                               .arg(m_mismatches.size()));
    editButton->setEnabled(!m_mismatches.isEmpty());
    if (!m_mismatches.isEmpty())
        mismatchGrid->selectRow(qBound(0, keepRow, int(m_mismatches.size()) - 1));
}

void PostalCheckDialog::editRow(int r)
{
    if (r < 0 || r >= m_mismatches.size() || !m_editConsignee)
        return;
    if (m_editConsignee(m_mismatches.at(r).consignee.id))
        refresh();
}
