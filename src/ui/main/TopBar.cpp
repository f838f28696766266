#include "ui/main/TopBar.h"

#include "core/settings/EditionProfile.h"
#include "ui/main/MainActions.h"
#include "ui/controls/NumberEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *actionButton(QAction *action, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumHeight(40);
    button->setObjectName(action->objectName() + "Button");
    return button;
}

// A numeric box of whole numbers held to min .. max, with up and down buttons
// beside it that step it by 1 within the same range, as the Up and Down keys
// do. What the box shows once the user leaves it or presses Enter is the
// number the program uses.
NumberEdit *spin(int min, int max, int value, const QString &name, QWidget *parent, QHBoxLayout *row)
{
    auto *box = new NumberEdit(parent);
    box->setObjectName(name);
    box->setFigure(0);
    box->setMax(max);
    box->setMin(min);
    box->setLimit(true);
    box->setAllowKeys(true);
    box->setValue(value);
    box->setMaximumWidth(60);
    auto *buttons = new QWidget(parent);
    auto *column = new QVBoxLayout(buttons);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const std::pair<const char *, TArrowDirection> steps[] = {{"▲", TArrowDirection::adUp},
                                                              {"▼", TArrowDirection::adDown}};
    for (const auto &[arrow, direction] : steps) {
        auto *button = new QToolButton(buttons);
        button->setObjectName(name + (direction == TArrowDirection::adUp ? "Up" : "Down"));
        button->setText(QString::fromUtf8(arrow));
        button->setAutoRepeat(true);
        button->setFixedSize(16, 12);
        QObject::connect(button, &QToolButton::clicked, box, [box, d = direction] { box->stepBy(d); });
        column->addWidget(button);
    }
    row->addWidget(box);
    row->addWidget(buttons);
    return box;
}

} // namespace

TopBar::TopBar(MainActions *actions, QWidget *parent) : QWidget(parent)
{
    setObjectName("topBar");
    // Two rows: the commands above, the print settings below, so that the
    // window still fits a 1280-pixel screen in the edition with the date controls.
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->setSpacing(2);
    auto *row = new QHBoxLayout;
    auto *settingsRow = new QHBoxLayout;
    rows->addLayout(row);
    rows->addLayout(settingsRow);

    m_logo = new QLabel(this);
    m_logo->setObjectName("logo");
    row->addWidget(m_logo);

    row->addWidget(actionButton(actions->print1, this));
    row->addWidget(actionButton(actions->print2, this));

    m_dateGroup = new QGroupBox("日付指定", this);
    m_dateGroup->setObjectName("dateGroup");
    auto *dateRow = new QHBoxLayout(m_dateGroup);
    dateRow->setContentsMargins(4, 0, 4, 0);
    auto *dateLabel = new QLabel("指定した日付で印刷する", m_dateGroup);
    dateLabel->setObjectName("printDateLabel");
    printDateEdit = new QDateEdit(QDate::currentDate(), m_dateGroup);
    printDateEdit->setObjectName("printDateEdit");
    printDateEdit->setCalendarPopup(true);
    printDateEdit->setDisplayFormat("yyyy/MM/dd");
    noPrintDateBox = new QCheckBox("印刷しない", m_dateGroup);
    noPrintDateBox->setObjectName("noPrintDateBox");
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(printDateEdit);
    dateRow->addWidget(noPrintDateBox);
    settingsRow->addWidget(m_dateGroup);

    row->addWidget(actionButton(actions->preview, this));
    row->addWidget(actionButton(actions->phraseList, this));
    row->addWidget(actionButton(actions->history, this));

    auto *offsets = new QGroupBox("全体位置調整", this);
    offsets->setObjectName("offsetGroup");
    auto *offsetGrid = new QHBoxLayout(offsets);
    offsetGrid->setContentsMargins(4, 0, 4, 0);
    offsetGrid->addWidget(new QLabel("左右位置(mm)", offsets));
    ofxbox = spin(-100, 100, 0, "ofxbox", offsets, offsetGrid);
    offsetGrid->addWidget(new QLabel("上下位置(mm)", offsets));
    ofybox = spin(-100, 100, 0, "ofybox", offsets, offsetGrid);
    previewOpt1 = new QCheckBox("全体位置も反映させる", offsets);
    previewOpt1->setObjectName("previewOpt1");
    offsetGrid->addWidget(previewOpt1);
    settingsRow->addWidget(offsets);

    auto *copiesBox = new QGroupBox("枚数(単票時)", this);
    auto *copiesRow = new QHBoxLayout(copiesBox);
    copiesRow->setContentsMargins(4, 0, 4, 0);
    copiesEdit = spin(1, 1000, 1, "copiesEdit", copiesBox, copiesRow);
    settingsRow->addWidget(copiesBox);
    settingsRow->addStretch(1);

    row->addStretch(1);
    row->addWidget(actionButton(actions->exit, this));

    auto changed = [this] {
        if (!m_quiet)
            emit headerValuesChanged();
    };
    connect(ofxbox, &NumberEdit::changed, this, changed);
    connect(ofybox, &NumberEdit::changed, this, changed);
    connect(copiesEdit, &NumberEdit::changed, this, changed);
    connect(previewOpt1, &QCheckBox::clicked, this, &TopBar::previewLocateToggled);
    connect(printDateEdit, &QDateEdit::dateChanged, this, [this] {
        if (!m_quiet)
            emit printDateChanged();
    });
    connect(noPrintDateBox, &QCheckBox::clicked, this, &TopBar::printDateChanged);
}

void TopBar::applyProfile(const EditionProfile &profile, const QPixmap &logo)
{
    m_dateGroup->setVisible(profile.printDateVisible);
    if (!logo.isNull())
        m_logo->setPixmap(logo.scaledToHeight(40, Qt::SmoothTransformation));
    m_logo->setVisible(!m_logo->pixmap().isNull());
}

int TopBar::offsetX() const { return ofxbox->AsInteger(); }
int TopBar::offsetY() const { return ofybox->AsInteger(); }

void TopBar::setOffsets(int x, int y)
{
    m_quiet = true;
    ofxbox->setValue(x);
    ofybox->setValue(y);
    m_quiet = false;
}

int TopBar::copies() const { return copiesEdit->AsInteger(); }

void TopBar::setCopies(int copies)
{
    m_quiet = true;
    copiesEdit->setValue(copies);
    m_quiet = false;
}

bool TopBar::previewLocate() const { return previewOpt1->isChecked(); }
void TopBar::setPreviewLocate(bool on) { previewOpt1->setChecked(on); }

QDate TopBar::printDate() const { return printDateEdit->date(); }

void TopBar::setPrintDate(const QDate &date)
{
    m_quiet = true;
    printDateEdit->setDate(date);
    m_quiet = false;
}

bool TopBar::printDateOff() const { return noPrintDateBox->isChecked(); }
void TopBar::setPrintDateOff(bool off) { noPrintDateBox->setChecked(off); }
