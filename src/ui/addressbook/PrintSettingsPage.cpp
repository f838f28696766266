#include "ui/addressbook/PrintSettingsPage.h"

#include "core/settings/EditionProfile.h"
#include "core/settings/OptionsFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

PrintSettingsPage::PrintSettingsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName("printSettingsPage");
    auto *column = new QVBoxLayout(this);

    m_senderFrame = new QGroupBox("ご依頼主", this);
    m_senderFrame->setObjectName("senderChoice");
    auto *senderColumn = new QVBoxLayout(m_senderFrame);
    senderView = new QTreeWidget(m_senderFrame);
    senderView->setObjectName("senderView");
    senderView->setHeaderLabels({"ID", "お名前"});
    senderView->setRootIsDecorated(false);
    senderView->setSelectionBehavior(QAbstractItemView::SelectRows);
    senderView->setToolTip("クリックするとプレビューされます");
    senderView->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    senderView->setMinimumHeight(110);
    senderColumn->addWidget(senderView);
    auto *senderButtons = new QHBoxLayout;
    editSenderButton = new QPushButton("編　集", m_senderFrame);
    editSenderButton->setObjectName("editSenderButton");
    newSenderButton = new QPushButton("+新規追加", m_senderFrame);
    newSenderButton->setObjectName("newSenderButton");
    // The sender editor comes with the editing dialogs.
    editSenderButton->setEnabled(false);
    newSenderButton->setEnabled(false);
    senderButtons->addWidget(editSenderButton);
    senderButtons->addWidget(newSenderButton);
    senderColumn->addLayout(senderButtons);
    column->addWidget(m_senderFrame);

    fixedItemsBox = new QCheckBox("依頼人・通信欄・金額を固定する", this);
    fixedItemsBox->setObjectName("fixedItemsBox");
    column->addWidget(fixedItemsBox);

    m_fixedFrame = new QGroupBox("通信欄", this);
    m_fixedFrame->setObjectName("fixedItemsFrame");
    auto *form = new QFormLayout(m_fixedFrame);
    const char *labelNames[4] = {"fixedItemLabel1", "fixedItemLabel2", "fixedItemLabel3", "fixedItemLabel4"};
    for (int i = 0; i < 4; ++i) {
        m_itemLabels[i] = new QLabel(QString("通信欄%1:").arg(i + 1), m_fixedFrame);
        m_itemLabels[i]->setObjectName(labelNames[i]);
        fixitem[i] = new QLineEdit(m_fixedFrame);
        fixitem[i]->setObjectName(QString("fixitem%1").arg(i + 1));
        // A click on the label offers the phrase list for its box.
        m_itemLabels[i]->setCursor(Qt::PointingHandCursor);
        m_itemLabels[i]->installEventFilter(this);
        form->addRow(m_itemLabels[i], fixitem[i]);
    }
    m_amountLabel = new QLabel("金額:", m_fixedFrame);
    m_amountLabel->setObjectName("amountLabel");
    fixkingaku = new QLineEdit(m_fixedFrame);
    fixkingaku->setObjectName("fixkingaku");
    form->addRow(m_amountLabel, fixkingaku);
    column->addWidget(m_fixedFrame);

    yenMarkBox = new QCheckBox("金額に\\をつける(変更後はデータの再編集が必要)", this);
    yenMarkBox->setObjectName("yenMarkBox");
    column->addWidget(yenMarkBox);
    noHistoryBox = new QCheckBox("送付履歴に記録しない", this);
    noHistoryBox->setObjectName("noHistoryBox");
    column->addWidget(noHistoryBox);

    auto *zipFrame = new QGroupBox("郵便番号からの変換時", this);
    zipFrame->setObjectName("zipConversionFrame");
    auto *zipRow = new QHBoxLayout(zipFrame);
    m_zipOption = new QButtonGroup(this);
    auto *insert = new QRadioButton("都道府県名を入れる", zipFrame);
    auto *omit = new QRadioButton("入れない", zipFrame);
    insert->setChecked(true);
    m_zipOption->addButton(insert, 0);
    m_zipOption->addButton(omit, 1);
    zipRow->addWidget(insert);
    zipRow->addWidget(omit);
    column->addWidget(zipFrame);

    m_paperKinds = new QGroupBox("用紙の種類", this);
    m_paperKinds->setObjectName("paperKinds");
    auto *kindGrid = new QGridLayout(m_paperKinds);
    m_paperKindButtons = new QButtonGroup(this);
    for (const PaperKindInfo &info : PaperKinds()) {
        auto *button = new QRadioButton(info.radioCaption, m_paperKinds);
        m_paperKindButtons->addButton(button, info.kind);
        kindGrid->addWidget(button, info.kind / 2, info.kind % 2);
    }
    m_paperKindButtons->button(0)->setChecked(true);
    column->addWidget(m_paperKinds);
    column->addStretch(1);

    connect(fixedItemsBox, &QCheckBox::clicked, this, &PrintSettingsPage::optionsChanged);
    connect(yenMarkBox, &QCheckBox::clicked, this, &PrintSettingsPage::optionsChanged);
    connect(m_zipOption, &QButtonGroup::idClicked, this, &PrintSettingsPage::zipOptionChanged);
    connect(m_paperKindButtons, &QButtonGroup::idClicked, this, &PrintSettingsPage::paperKindSelected);
}

void PrintSettingsPage::applyProfile(const EditionProfile &p)
{
    m_senderFrame->setTitle(p.senderFrameCaption);
    fixedItemsBox->setText(p.fixedItemsOptionCaption);
    m_fixedFrame->setTitle(p.fixedItemsFrameCaption);
    for (int i = 0; i < 4 && i < p.fixedItemLabels.size(); ++i)
        m_itemLabels[i]->setText(p.fixedItemLabels[i]);
    m_amountLabel->setText(p.fixedAmountLabel);
    m_amountLabel->setVisible(p.fixedAmountVisible);
    fixkingaku->setVisible(p.fixedAmountVisible);
    yenMarkBox->setVisible(p.yenMarkVisible);
    m_paperKinds->setVisible(p.paperKindSelectorVisible);
    if (!p.yenMarkVisible)
        yenMarkBox->setChecked(false);
}

void PrintSettingsPage::showOptions(const MainOptions &o)
{
    m_zipOption->button(o.zipChange == 1 ? 1 : 0)->setChecked(true);
    for (int i = 0; i < 4; ++i)
        fixitem[i]->setText(o.fixItem[i]);
    fixkingaku->setText(o.fixKingaku);
    fixedItemsBox->setChecked(o.itemFix);
    // A hidden yen-mark option is always off.
    yenMarkBox->setChecked(o.yenMark && !yenMarkBox->isHidden());
    noHistoryBox->setChecked(o.writeHistory);
}

void PrintSettingsPage::readOptions(MainOptions &o) const
{
    o.zipChange = zipConvOption();
    for (int i = 0; i < 4; ++i)
        o.fixItem[i] = fixitem[i]->text();
    o.fixKingaku = fixkingaku->text();
    o.itemFix = fixedItemsBox->isChecked();
    o.yenMark = yenMarkBox->isChecked();
    o.writeHistory = noHistoryBox->isChecked();
}

void PrintSettingsPage::showPaperKind(int kind)
{
    if (QAbstractButton *button = m_paperKindButtons->button(kind))
        button->setChecked(true);
}

int PrintSettingsPage::zipConvOption() const
{
    return m_zipOption->checkedId() == 1 ? 1 : 0;
}

bool PrintSettingsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        for (int i = 0; i < 4; ++i)
            if (watched == m_itemLabels[i]) {
                emit fixedItemLabelClicked(i + 1);
                return true;
            }
    return QWidget::eventFilter(watched, event);
}
