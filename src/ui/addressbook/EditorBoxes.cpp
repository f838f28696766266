#include "ui/addressbook/EditorBoxes.h"

#include "core/text/TextFields.h"
#include "core/addressbook/EditorInput.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QValidator>

namespace {

// Digits only, the full-width ones folded to ASCII on the way in.
class DigitsValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = NarrowText(input);
        return IsAsciiDigits(input) ? Acceptable : Invalid;
    }
};

// Ctrl+Tab writes the tab that Tab, which moves on, no longer writes.
class TabWriter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *box = qobject_cast<QPlainTextEdit *>(watched);
        if (!box || key->key() != Qt::Key_Tab || key->modifiers() != Qt::ControlModifier)
            return false;
        box->insertPlainText(QStringLiteral("\t"));
        return true;
    }
};

} // namespace

QPlainTextEdit *MakeMultiLineBox(QWidget *parent, const QString &objectName)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(objectName);
    box->setTabChangesFocus(true);
    box->installEventFilter(new TabWriter(box));
    return box;
}

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

QLineEdit *MakeNumberBox(QWidget *parent, const QString &objectName, ImeMode mode, int maxLength)
{
    QLineEdit *box = MakeBox(parent, objectName, mode, maxLength);
    box->setValidator(new DigitsValidator(box));
    return box;
}

void SetWholeText(QLineEdit *box, const QString &text, int limit)
{
    if (limit > 0)
        box->setMaxLength(qMax(limit, int(text.size())));
    box->setText(text);
}

void SelectExactly(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(text.isEmpty() ? -1 : box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString SelectedText(const QComboBox *box)
{
    return box->currentIndex() < 0 ? QString() : box->currentText();
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel *MakeTitleLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    label->setFont(big);
    return label;
}
