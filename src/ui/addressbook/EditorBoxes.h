#pragma once
// Plain text boxes of the editing dialogs with their input-method setting:
// Japanese input for names, addresses and item names, Latin for postal codes,
// telephone numbers and dates, none at all for amounts and counts. Amount,
// count and date boxes take digits only; the others keep whatever is typed.

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

enum class ImeMode {
    Japanese, // the input method stays available
    Latin,    // Qt::ImhPreferLatin
    Disabled  // no input method: amounts and counts
};

// A QLineEdit named objectName with the input-method mode and, when maxLength > 0, that maximum length.
QLineEdit *MakeBox(QWidget *parent, const QString &objectName, ImeMode mode, int maxLength = 0);
// A multi-line box (remarks) named objectName. Tab and Shift+Tab leave it as
// they leave every other box, so a clerk going through an editor by keyboard
// is never caught in it; Ctrl+Tab writes a tab.
QPlainTextEdit *MakeMultiLineBox(QWidget *parent, const QString &objectName);
// A box for a whole number (an amount, a count, a part of a date): a typed or
// pasted character that is not a digit is refused, full-width digits become
// ASCII. A text set by the program is kept as it is, for the save to judge.
QLineEdit *MakeNumberBox(QWidget *parent, const QString &objectName, ImeMode mode = ImeMode::Disabled,
                         int maxLength = 0);
// Sets a box's text without its length limit (when limit > 0) cutting a
// longer stored value: the limit guides typing, it must never lose what a
// row holds.
void SetWholeText(QLineEdit *box, const QString &text, int limit);
// Selects the entry whose text equals text exactly; none (-1) when there is none.
void SelectExactly(QComboBox *box, const QString &text);
// The selected entry's text; empty when none is selected.
QString SelectedText(const QComboBox *box);
// A push button named name that does not take Enter as its default, so Enter
// in a box reaches the box's own handling.
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption);
// The dialog's heading: the text in a larger bold font.
QLabel *MakeTitleLabel(QWidget *parent, const QString &text = QString());
