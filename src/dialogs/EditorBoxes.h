#pragma once
// Plain text boxes of the editing dialogs with their input-method setting:
// Japanese input for names, addresses and item names, Latin for postal codes,
// telephone numbers and dates, none at all for amounts and counts. The boxes
// keep whatever is typed; only their maximum length is set.

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

enum class ImeMode {
    Japanese, // the input method stays available
    Latin,    // Qt::ImhPreferLatin
    Disabled  // no input method: amounts and counts
};

// A QLineEdit named objectName with the input-method mode and, when maxLength > 0, that maximum length.
QLineEdit *MakeBox(QWidget *parent, const QString &objectName, ImeMode mode, int maxLength = 0);
// Selects the entry whose text equals text exactly; none (-1) when there is none.
void SelectExactly(QComboBox *box, const QString &text);
// The selected entry's text; empty when none is selected.
QString SelectedText(const QComboBox *box);
// A push button named name that does not take Enter as its default, so Enter
// in a box reaches the box's own handling.
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption);
// The dialog's heading: the text in a larger bold font.
QLabel *MakeTitleLabel(QWidget *parent, const QString &text = QString());
