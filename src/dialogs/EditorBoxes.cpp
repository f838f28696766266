#include "dialogs/EditorBoxes.h"

#include <QComboBox>
#include <QLineEdit>

QLineEdit *MakeBox(QWidget *parent, const QString &objectName, ImeMode mode, int maxLength)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(objectName);
    switch (mode) {
    case ImeMode::Japanese:
        box->setInputMethodHints(Qt::ImhNone);
        break;
    case ImeMode::Latin:
        box->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
        break;
    case ImeMode::Disabled:
        box->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        break;
    }
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

void SelectExactly(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(text.isEmpty() ? -1 : box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString SelectedText(const QComboBox *box)
{
    return box->currentIndex() < 0 ? QString() : box->currentText();
}
