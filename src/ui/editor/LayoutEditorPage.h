#pragma once
// The left page "印刷位置調整": one button per printable field of the edition and
// a settings panel with the selected field's position, pitch and font. Every
// change is written at once into the field's line of the layout; the window
// redraws the preview when told.

#include "core/editor/FieldFontChoice.h"
#include "core/editor/LayoutEditor.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class StyleData;
class NumberEdit;
struct EditionProfile;
struct FieldButton;

class LayoutEditorPage : public QWidget
{
    Q_OBJECT
public:
    // Asks for a font; nothing when the user cancels.
    using FontChooser = std::function<std::optional<FieldFontChoice>(const FieldFontChoice &initial, QWidget *parent)>;

    explicit LayoutEditorPage(StyleData &style, QWidget *parent = nullptr);

    // The edition's group captions and field buttons.
    void applyProfile(const EditionProfile &profile);

    // Another layout was loaded: the selection belonged to the old one.
    void layoutLoaded();

    // Replaces the font dialog (tests answer it without a window).
    void setFontChooser(FontChooser chooser) { m_fontChooser = std::move(chooser); }

    LayoutEditor &editor() { return m_editor; }
    // The field button of that name (btn1, sbtn3, gbtn12); null when unknown.
    QPushButton *fieldButton(const QString &name) const;

    // ---- Handlers ------------------------------------------------------------
    // A field button was pressed: select its field.
    void chooseField(QAbstractButton *button);
    // Selects item id as a field button does, without the caption and without
    // telling anyone (commands that fill many items redraw once at the end).
    // Returns whether a line was appended for it.
    bool selectField(int id);
    // An arrow button was pressed with these keys held.
    void nudge(LayoutEditor::Nudge direction, Qt::KeyboardModifiers keys);
    // fontButton or a click on the font read-outs.
    void chooseFieldFont();
    // Enter in a numeric box, or leaving one after typing: write the panel into the line.
    void apply();

    // ---- Controls ------------------------------------------------------------
    QLabel *fieldNameLabel = nullptr;
    NumberEdit *cx = nullptr;
    NumberEdit *cy = nullptr;
    NumberEdit *cm = nullptr;
    NumberEdit *KX = nullptr;
    NumberEdit *KY = nullptr;
    NumberEdit *nl = nullptr;
    QLabel *cs = nullptr;
    QLabel *cf = nullptr;
    QLabel *cb = nullptr;
    QLabel *cc = nullptr;
    QLabel *KC = nullptr;
    QLineEdit *chrdata = nullptr;
    QCheckBox *horizontalBox = nullptr;
    QCheckBox *verticalBox = nullptr;
    QPushButton *fontButton = nullptr;
    QToolButton *LeftBtn = nullptr;
    QToolButton *Upbtn = nullptr;
    QToolButton *RightBtn = nullptr;
    QToolButton *DownBtn = nullptr;
    // The kept right edge, bottom edge and text of the selected field.
    QLabel *keptRight = nullptr;
    QLabel *keptBottom = nullptr;
    QLabel *keptText = nullptr;

signals:
    // A line of the layout changed: redraw the preview.
    void layoutChanged();
    // A line was added for a field the layout lacked: its data should be put in.
    void fieldAdded(int itemId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildSettingsPanel();
    QGroupBox *buildFieldGroup(const QString &name, const QString &prefix, int count);
    void fillFieldGroup(QGroupBox *group, const QString &caption, const std::vector<FieldButton> &buttons);
    // The controls from the editor's settings / the settings from the controls.
    void showSettings();
    void readControls();
    // The message for an apply without a selected field.
    void askForField();
    // Sets the arrow buttons' hints for a field caption (empty: none).
    void setHints(const QString &caption);

    LayoutEditor m_editor;
    FontChooser m_fontChooser;
    QGroupBox *m_groups[3] = {};
    std::vector<QPushButton *> m_fieldButtons;
};
