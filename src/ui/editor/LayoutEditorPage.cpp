#include "ui/editor/LayoutEditorPage.h"

#include "core/settings/EditionProfile.h"
#include "ui/common/ShowNotice.h"
#include "ui/controls/NumberEdit.h"
#include "ui/editor/FieldFontDialog.h"
#include "core/layout/StyleData.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const char *const TagProperty = "tag";

// The largest length, either way, that a box of the panel takes into the layout.
const Extended LengthLimit = 1e12L;

Millimetre toMm(Extended value)
{
    // Beyond the layout's range a number is held at its edge.
    if (!(value > -LengthLimit))
        value = -LengthLimit;
    if (value > LengthLimit)
        value = LengthLimit;
    return Millimetre::fromUnits(std::llround(double(value * Millimetre::UnitsPerMm)));
}

Extended fromMm(Millimetre value)
{
    return Extended(value.units()) / Millimetre::UnitsPerMm;
}

// Up and Down step the number by one, as they do in every numeric box.
NumberEdit *numberBox(const QString &name, QWidget *parent)
{
    auto *box = new NumberEdit(parent);
    box->setObjectName(name);
    box->setAllowKeys(true);
    return box;
}

// A length box that holds and shows the length as the line will take it:
// within the layout's range, with the decimals the line keeps.
NumberEdit *lengthBox(const QString &name, QWidget *parent, int decimals, TRoundMode mode)
{
    NumberEdit *box = numberBox(name, parent);
    box->setMax(LengthLimit);
    box->setMin(-LengthLimit);
    box->setLimit(true);
    box->setFigure(decimals);
    box->setRoundMode(mode);
    return box;
}

// Positions are written cut to a tenth of a millimetre.
NumberEdit *positionBox(const QString &name, QWidget *parent)
{
    return lengthBox(name, parent, 1, TRoundMode::rmDown);
}

// Other lengths keep four decimals, rounded half away from zero.
NumberEdit *fineLengthBox(const QString &name, QWidget *parent)
{
    return lengthBox(name, parent, 4, TRoundMode::rmRound);
}

QLabel *readOut(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setCursor(Qt::PointingHandCursor);
    label->setMinimumWidth(60);
    return label;
}

QToolButton *arrowButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setMinimumSize(32, 32);
    return button;
}

void showColour(QLabel *box, qint64 bgr)
{
    box->setProperty(TagProperty, bgr);
    const QColor colour(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
    box->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
}

} // namespace

LayoutEditorPage::LayoutEditorPage(StyleData &style, QWidget *parent)
    : QWidget(parent), m_editor(style), m_fontChooser(&FieldFontDialog::choose)
{
    setObjectName("layoutEditorPage");

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto *content = new QWidget(scroll);
    auto *column = new QVBoxLayout(content);
    column->addWidget(buildSettingsPanel());
    m_groups[0] = buildFieldGroup("fieldGroup1", "btn", 10);
    m_groups[1] = buildFieldGroup("fieldGroup2", "sbtn", 11);
    m_groups[2] = buildFieldGroup("fieldGroup3", "gbtn", 14);
    for (QGroupBox *group : m_groups)
        column->addWidget(group);
    column->addStretch(1);
    scroll->setWidget(content);
    showSettings();
}

// ---- Building -----------------------------------------------------------------

QWidget *LayoutEditorPage::buildSettingsPanel()
{
    auto *panel = new QGroupBox("設定値", this);
    panel->setObjectName("fieldPanel");
    auto *grid = new QGridLayout(panel);

    fieldNameLabel = new QLabel(panel);
    fieldNameLabel->setObjectName("fieldNameLabel");
    grid->addWidget(fieldNameLabel, 0, 0, 1, 4);

    cx = positionBox("cx", panel);
    cy = positionBox("cy", panel);
    cm = fineLengthBox("cm", panel);
    grid->addWidget(new QLabel("位置(X)", panel), 1, 0);
    grid->addWidget(cx, 1, 1);
    grid->addWidget(new QLabel("位置(Y)", panel), 2, 0);
    grid->addWidget(cy, 2, 1);
    grid->addWidget(new QLabel("文字間:", panel), 3, 0);
    grid->addWidget(cm, 3, 1);

    // The arrows in a cross beside the position boxes.
    auto *arrows = new QWidget(panel);
    auto *cross = new QGridLayout(arrows);
    cross->setContentsMargins(0, 0, 0, 0);
    Upbtn = arrowButton("Upbtn", "↑", arrows);
    LeftBtn = arrowButton("LeftBtn", "←", arrows);
    RightBtn = arrowButton("RightBtn", "→", arrows);
    DownBtn = arrowButton("DownBtn", "↓", arrows);
    cross->addWidget(Upbtn, 0, 1);
    cross->addWidget(LeftBtn, 1, 0);
    cross->addWidget(RightBtn, 1, 2);
    cross->addWidget(DownBtn, 2, 1);
    grid->addWidget(arrows, 1, 2, 3, 2);

    cs = readOut("cs", panel);
    cf = readOut("cf", panel);
    cb = readOut("cb", panel);
    cc = readOut("cc", panel);
    grid->addWidget(new QLabel("サイズ:", panel), 4, 0);
    grid->addWidget(cs, 4, 1);
    grid->addWidget(new QLabel("フォント名:", panel), 5, 0);
    grid->addWidget(cf, 5, 1, 1, 3);
    grid->addWidget(new QLabel("修　　飾:", panel), 6, 0);
    grid->addWidget(cb, 6, 1);
    grid->addWidget(new QLabel("フォント色:", panel), 7, 0);
    grid->addWidget(cc, 7, 1);
    fontButton = new QPushButton("設定", panel);
    fontButton->setObjectName("fontButton");
    grid->addWidget(fontButton, 7, 2, 1, 2);

    // The rest of the selected line, kept but not shown.
    auto *hidden = new QWidget(panel);
    hidden->setObjectName("hiddenValues");
    auto *hiddenRow = new QHBoxLayout(hidden);
    KX = fineLengthBox("KX", hidden);
    KY = fineLengthBox("KY", hidden);
    nl = numberBox("nl", hidden);
    KC = new QLabel(hidden);
    KC->setObjectName("KC");
    chrdata = new QLineEdit(hidden);
    chrdata->setObjectName("chrdata");
    auto *direction = new QGroupBox("文字種類", hidden);
    auto *directionRow = new QHBoxLayout(direction);
    horizontalBox = new QCheckBox("横書き", direction);
    horizontalBox->setObjectName("horizontalBox");
    verticalBox = new QCheckBox("縦書き", direction);
    verticalBox->setObjectName("verticalBox");
    directionRow->addWidget(horizontalBox);
    directionRow->addWidget(verticalBox);
    keptRight = new QLabel(hidden);
    keptBottom = new QLabel(hidden);
    keptText = new QLabel(hidden);
    for (QWidget *w : std::initializer_list<QWidget *>{KX, KY, nl, KC, chrdata, direction, keptRight, keptBottom, keptText})
        hiddenRow->addWidget(w);
    hidden->hide();
    grid->addWidget(hidden, 8, 0, 1, 4);

    for (NumberEdit *box : {cx, cy, cm, KX, KY, nl})
        box->installEventFilter(this);
    // A number typed and left (Tab, a click elsewhere) is applied as Enter
    // applies it: the preview never shows one position while the box shows another.
    // Only a typed number that differs from the line's is written: passing
    // through a box, or leaving it after Enter, changes nothing.
    const std::pair<NumberEdit *, Millimetre FieldSettings::*> lengths[] = {
        {cx, &FieldSettings::x}, {cy, &FieldSettings::y}, {cm, &FieldSettings::pitch}};
    for (const auto &[box, field] : lengths)
        connect(box, &NumberEdit::exited, this, [this, box = box, field = field] {
            if (box->isModified() && m_editor.hasSelection() && toMm(box->Value()) != m_editor.settings().*field)
                apply();
        });
    for (QLabel *label : {cs, cf, cb, cc})
        label->installEventFilter(this);
    connect(fontButton, &QPushButton::clicked, this, &LayoutEditorPage::chooseFieldFont);
    const std::pair<QToolButton *, LayoutEditor::Nudge> nudges[] = {{LeftBtn, LayoutEditor::Nudge::Left},
                                                                     {RightBtn, LayoutEditor::Nudge::Right},
                                                                     {Upbtn, LayoutEditor::Nudge::Up},
                                                                     {DownBtn, LayoutEditor::Nudge::Down}};
    for (const auto &[button, direction] : nudges)
        connect(button, &QToolButton::clicked, this,
                [this, d = direction] { nudge(d, QGuiApplication::keyboardModifiers()); });
    return panel;
}

QGroupBox *LayoutEditorPage::buildFieldGroup(const QString &name, const QString &prefix, int count)
{
    auto *group = new QGroupBox(this);
    group->setObjectName(name);
    auto *grid = new QGridLayout(group);
    for (int i = 0; i < count; ++i) {
        auto *button = new QPushButton(group);
        button->setObjectName(prefix + QString::number(i + 1));
        button->hide();
        grid->addWidget(button, i / 2, i % 2);
        connect(button, &QPushButton::clicked, this, [this, button] { chooseField(button); });
        m_fieldButtons.push_back(button);
    }
    return group;
}

void LayoutEditorPage::applyProfile(const EditionProfile &profile)
{
    fillFieldGroup(m_groups[0], profile.group1Caption, profile.group1);
    fillFieldGroup(m_groups[1], profile.group2Caption, profile.group2);
    fillFieldGroup(m_groups[2], profile.group3Caption, profile.group3);
}

void LayoutEditorPage::fillFieldGroup(QGroupBox *group, const QString &caption, const std::vector<FieldButton> &buttons)
{
    group->setTitle(caption);
    for (QPushButton *button : group->findChildren<QPushButton *>()) {
        button->hide();
        button->setProperty(TagProperty, 0);
    }
    for (const FieldButton &field : buttons) {
        QPushButton *button = group->findChild<QPushButton *>(field.name);
        if (!button)
            continue;
        button->setText(field.caption);
        button->setProperty(TagProperty, field.itemId);
        button->setVisible(field.visible());
    }
}

QPushButton *LayoutEditorPage::fieldButton(const QString &name) const
{
    for (QPushButton *button : m_fieldButtons)
        if (button->objectName() == name)
            return button;
    return nullptr;
}

// ---- The selection ------------------------------------------------------------

void LayoutEditorPage::layoutLoaded()
{
    m_editor.clearSelection();
    fieldNameLabel->clear();
    setHints(QString());
    showSettings();
}

void LayoutEditorPage::setHints(const QString &caption)
{
    if (caption.isEmpty()) {
        for (QToolButton *button : {LeftBtn, RightBtn, Upbtn, DownBtn})
            button->setToolTip(QString());
        return;
    }
    LeftBtn->setToolTip(caption + "を左に移動");
    RightBtn->setToolTip(caption + "を右に移動");
    Upbtn->setToolTip(caption + "を上に移動");
    DownBtn->setToolTip(caption + "を下に移動");
}

void LayoutEditorPage::chooseField(QAbstractButton *button)
{
    const int id = button->property(TagProperty).toInt();
    if (id <= 0)
        return;
    fieldNameLabel->setText(button->text());
    setHints(button->text());
    if (selectField(id)) {
        emit fieldAdded(id);
        emit layoutChanged();
    }
}

bool LayoutEditorPage::selectField(int id)
{
    readControls();
    const bool added = m_editor.dataselect(id);
    showSettings();
    return added;
}

// ---- Controls and settings ----------------------------------------------------

void LayoutEditorPage::showSettings()
{
    const FieldSettings &s = m_editor.settings();
    cx->setValue(fromMm(s.x));
    cy->setValue(fromMm(s.y));
    cm->setValue(fromMm(s.pitch));
    KX->setValue(fromMm(s.shadowX));
    KY->setValue(fromMm(s.shadowY));
    nl->setValue(m_editor.selectedLine());
    cs->setText(s.fontSize);
    cf->setText(s.fontName);
    cb->setText(s.fontStyle);
    showColour(cc, s.colour);
    KC->setProperty(TagProperty, s.secondColour);
    chrdata->setText(s.text);
    horizontalBox->setChecked(s.horizontal);
    verticalBox->setChecked(!s.horizontal);
    keptRight->setText(m_editor.keptEdges().right.toString());
    keptBottom->setText(m_editor.keptEdges().bottom.toString());
    keptText->setText(m_editor.keptText());
}

void LayoutEditorPage::readControls()
{
    FieldSettings &s = m_editor.settings();
    s.x = toMm(cx->Value());
    s.y = toMm(cy->Value());
    s.pitch = toMm(cm->Value());
    s.shadowX = toMm(KX->Value());
    s.shadowY = toMm(KY->Value());
    s.fontSize = cs->text();
    s.fontName = cf->text();
    s.fontStyle = cb->text();
    s.colour = cc->property(TagProperty).toLongLong();
    s.secondColour = KC->property(TagProperty).toLongLong();
    s.horizontal = horizontalBox->isChecked();
    s.text = chrdata->text();
}

void LayoutEditorPage::askForField()
{
    ShowNotice("確認", "下から設定したいデータのボタンを押してください。", this);
}

// ---- Applying -------------------------------------------------------------------

void LayoutEditorPage::apply()
{
    if (!m_editor.hasSelection()) {
        askForField();
        return;
    }
    readControls();
    if (m_editor.chchange())
        emit layoutChanged();
    showSettings();
}

void LayoutEditorPage::nudge(LayoutEditor::Nudge direction, Qt::KeyboardModifiers keys)
{
    if (!m_editor.hasSelection()) {
        askForField();
        return;
    }
    readControls();
    if (m_editor.nudge(direction, LayoutEditor::stepFor(keys)))
        emit layoutChanged();
    showSettings();
}

void LayoutEditorPage::chooseFieldFont()
{
    if (!m_editor.hasSelection()) {
        askForField();
        return;
    }
    readControls();
    FieldSettings &s = m_editor.settings();
    FieldFontChoice initial;
    initial.fontName = s.fontName;
    initial.pointSize = s.fontSize.trimmed().toInt();
    initial.bold = s.fontStyle == QStringLiteral("太字") || s.fontStyle == QStringLiteral("太字斜体");
    initial.italic = s.fontStyle == QStringLiteral("斜体") || s.fontStyle == QStringLiteral("太字斜体");
    initial.colour = s.colour;
    const std::optional<FieldFontChoice> chosen = m_fontChooser(initial, this);
    if (!chosen)
        return;
    s.fontName = chosen->fontName;
    s.fontSize = QString::number(chosen->pointSize);
    s.colour = chosen->colour;
    s.fontStyle = FontStyleCaption(chosen->bold, chosen->italic, chosen->underline, chosen->strikeOut);
    // Written at once even for a field whose text is still empty: a font
    // chosen and then closed without another apply would otherwise be lost.
    if (m_editor.chchange())
        emit layoutChanged();
    showSettings();
}

bool LayoutEditorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && (watched == cx || watched == cy || watched == cm || watched == KX || watched == KY || watched == nl)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int k = key->key();
        // Only keys that type something count, as in a key-press handler.
        if (key->text().isEmpty() || k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Escape)
            return false;
        if (!m_editor.hasSelection()) {
            askForField();
            return false; // the key is still typed
        }
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            apply();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease && (watched == cs || watched == cf || watched == cb || watched == cc)) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            chooseFieldFont();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
