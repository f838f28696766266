#include "ui/addressbook/WaybillBoxes.h"

#include "core/import/Prefectures.h"
#include "ui/addressbook/EditorBoxes.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The consignee's boxes: object names and captions, as the address book and
// as the single-print and history editors name them.
struct ConsigneeNames {
    const char *names[2];
    const char *nameCaptions[2];
    const char *postal[2];
    const char *address[3];
    const char *addressCaptions[3];
    const char *tel[3];
};
const ConsigneeNames AddressBookNames = {{"namae1", "namae2"}, {"お名前1", "お名前2"}, {"zipcode1", "zipcode2"},
                                         {"city", "location", "building"}, {"市区町村", "町名番地", "建物等"},
                                         {"tel1", "tel2", "tel3"}};
const ConsigneeNames WaybillNames = {{"x_namae", nullptr}, {"お名前", nullptr}, {"x_YUBIN1", "x_YUBIN2"},
                                     {"x_address1", "x_address2", "x_address3"}, {"住　所1", "住　所2", ""},
                                     {"x_tel1", "x_tel2", "x_tel3"}};

} // namespace

WaybillBoxes::WaybillBoxes(const WaybillBoxesSetup &setup, const EditorContext *context, QObject *parent)
    : QObject(parent), m_setup(setup), m_context(context)
{
}

void WaybillBoxes::buildConsigneeRows(const RowPlacement &at)
{
    const ConsigneeNames &n = m_setup.consigneeAddress ? AddressBookNames : WaybillNames;
    QWidget *parent = at.parent;
    const int nameLines = m_setup.consigneeAddress ? 2 : 1;
    for (int i = 0; i < nameLines; ++i) {
        name[i] = MakeBox(parent, n.names[i], ImeMode::Japanese);
        if (m_setup.nameWidth > 0)
            name[i]->setMinimumWidth(m_setup.nameWidth);
    }
    for (int i = 0; i < nameLines; ++i)
        PlaceRow(at, QString::fromUtf8(n.nameCaptions[i]), {name[i]});

    postal[0] = MakeBox(parent, n.postal[0], ImeMode::Latin, 3);
    postal[1] = MakeBox(parent, n.postal[1], ImeMode::Latin, 4);
    postal[0]->setMaximumWidth(50);
    postal[1]->setMaximumWidth(60);
    if (m_setup.postalGuide) {
        postalGuideButton = MakeButton(parent, "postalGuideButton", "郵便番号検索");
        connect(postalGuideButton, &QPushButton::clicked, this, &WaybillBoxes::openPostalGuide);
        PlaceRow(at, "郵便番号", {postal[0], new QLabel(m_setup.separator), postal[1], postalGuideButton});
    } else {
        PlaceRow(at, "郵便番号", {postal[0], new QLabel(m_setup.separator), postal[1]});
    }
    if (m_context)
        postal[1]->installEventFilter(this);

    if (m_setup.consigneeAddress) {
        prefecture = new QComboBox(parent);
        prefecture->setObjectName("area");
        prefecture->addItems(PrefectureNames());
        prefecture->setCurrentIndex(-1);
        PlaceRow(at, "都道府県", {prefecture});
    }
    for (int i = 0; i < 3; ++i) {
        address[i] = MakeBox(parent, n.address[i], ImeMode::Japanese);
        if (m_setup.addressWidth > 0)
            address[i]->setMinimumWidth(m_setup.addressWidth);
    }
    for (int i = 0; i < 3; ++i)
        PlaceRow(at, QString::fromUtf8(n.addressCaptions[i]), {address[i]});

    for (int i = 0; i < 3; ++i) {
        tel[i] = MakeBox(parent, n.tel[i], ImeMode::Latin, m_setup.telMaxLength);
        if (m_setup.telWidth > 0)
            tel[i]->setMaximumWidth(m_setup.telWidth);
    }
    PlaceRow(at, "でんわ",
             {tel[0], new QLabel(m_setup.separator), tel[1], new QLabel(m_setup.separator), tel[2]});
}

QGroupBox *WaybillBoxes::buildItemGroup(QWidget *parent)
{
    itemGroup = new QGroupBox(parent);
    itemGroup->setObjectName("itemGroup");
    // With 選択 buttons the items are a grid of caption, box and button.
    const bool buttons = m_setup.phraseButtons;
    QGridLayout *grid = buttons ? new QGridLayout(itemGroup) : nullptr;
    QFormLayout *form = buttons ? nullptr : new QFormLayout(itemGroup);
    for (int i = 0; i < 4; ++i) {
        goodsLabel[i] = new QLabel(itemGroup);
        goodsLabel[i]->setObjectName(QString("goodsLabel%1").arg(i + 1));
        goods[i] = MakeBox(itemGroup, QString("z_goods%1").arg(i + 1), ImeMode::Japanese);
        if (m_setup.goodsWidth > 0)
            goods[i]->setMinimumWidth(m_setup.goodsWidth);
        if (!grid) {
            form->addRow(goodsLabel[i], goods[i]);
            continue;
        }
        goodsButton[i] = MakeButton(itemGroup, QString("goodsButton%1").arg(i + 1), "選択");
        grid->addWidget(goodsLabel[i], i, 0);
        grid->addWidget(goods[i], i, 1);
        grid->addWidget(goodsButton[i], i, 2);
        connect(goodsButton[i], &QPushButton::clicked, this, [this, i] { chooseGoodsPhrase(i + 1); });
    }
    if (grid)
        grid->setColumnStretch(1, 1);
    return itemGroup;
}

void WaybillBoxes::buildDetailRows(std::initializer_list<DetailRow> rows, const RowPlacement &at)
{
    // Built in the order shown, so Tab follows the rows.
    for (DetailRow which : rows)
        buildDetailRow(which, at);
}

QLineEdit *WaybillBoxes::numberBox(QWidget *parent, const QString &objectName, int maxLength) const
{
    return m_setup.numberBoxes ? MakeNumberBox(parent, objectName, ImeMode::Disabled, maxLength)
                               : MakeBox(parent, objectName, ImeMode::Disabled);
}

QLineEdit *WaybillBoxes::dateBox(QWidget *parent, const QString &objectName, int maxLength) const
{
    QLineEdit *box = m_setup.numberBoxes ? MakeNumberBox(parent, objectName, ImeMode::Latin, maxLength)
                                         : MakeBox(parent, objectName, ImeMode::Latin);
    box->setMaximumWidth(m_setup.dateWidth);
    return box;
}

void WaybillBoxes::buildDetailRow(DetailRow which, const RowPlacement &at)
{
    QWidget *parent = at.parent;
    PlacedRow &placed = m_rows[which];
    switch (which) {
    case AmountRow:
        amount = numberBox(parent, "z_kingaku");
        placed = PlaceRow(at, QString(), {amount});
        amountLabel = placed.caption;
        amountRow = placed.row;
        break;
    case DateRow: {
        year = dateBox(parent, "s_year", 4);
        month = dateBox(parent, "s_Month", 2);
        day = dateBox(parent, "s_day", 2);
        // Editions without a year hide the box and its 「年」 as one.
        yearBox = new QWidget(parent);
        auto *yearLayout = new QHBoxLayout(yearBox);
        yearLayout->setContentsMargins(0, 0, 0, 0);
        year->setParent(yearBox);
        yearLayout->addWidget(year);
        auto *yearUnit = new QLabel("年", yearBox);
        yearUnit->setObjectName("yearLabel");
        yearLayout->addWidget(yearUnit);
        placed = PlaceRow(at, QString(), {yearBox, month, new QLabel("月"), day, new QLabel("日")});
        dateLabel = placed.caption;
        dateRow = placed.row;
        break;
    }
    case TimeRow:
        timeSlot = new QComboBox(parent);
        timeSlot->setObjectName("timeSelect");
        timeSlot->setMinimumWidth(140);
        placed = PlaceRow(at, "希望時間帯", {timeSlot});
        timeRow = placed.row;
        break;
    case PiecesRow:
        pieces = numberBox(parent, "z_num1");
        placed = PlaceRow(at, "個　数", {pieces});
        piecesRow = placed.row;
        break;
    case WeightRow:
        // A weight may have decimals: the box stays free.
        weight = MakeBox(parent, "z_kg", ImeMode::Disabled);
        placed = PlaceRow(at, "重　量", {weight});
        weightRow = placed.row;
        break;
    case InsuranceRow:
        insurance = numberBox(parent, "z_value");
        placed = PlaceRow(at, "保険金額", {insurance});
        insuranceRow = placed.row;
        break;
    case DetailRowCount:
        break;
    }
}

void WaybillBoxes::showRow(DetailRow which, bool shown)
{
    if (!m_rows[which].row)
        return;
    m_rows[which].row->setVisible(shown);
    m_rows[which].caption->setVisible(shown);
}

void WaybillBoxes::applyPresentation(const WaybillRowsPresentation &p)
{
    m_presentation = p;
    itemGroup->setTitle(p.itemGroup);
    for (int i = 0; i < 4; ++i)
        goodsLabel[i]->setText(p.itemCaptions[i]);
    amountLabel->setText(p.amountCaption);
    dateLabel->setText(p.dateCaption);
    showRow(AmountRow, p.amountShown);
    showRow(DateRow, p.dateShown);
    showRow(TimeRow, p.timeShown);
    showRow(PiecesRow, p.piecesShown);
    showRow(WeightRow, p.weightShown);
    showRow(InsuranceRow, p.insuranceShown);
    yearBox->setVisible(p.yearShown);
    timeSlot->clear();
    timeSlot->addItems(p.timeChoices);
    timeSlot->setCurrentIndex(-1);
    followContext();
}
