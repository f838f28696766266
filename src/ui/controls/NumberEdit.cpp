#include "ui/controls/NumberEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace {

// The locale's single-character separators; "." and "," where it has none.
NumberSeparators localeSeparators()
{
    const QLocale locale;
    NumberSeparators separators;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal.size() == 1)
        separators.decimal = decimal[0];
    if (group.size() == 1 && group[0] != separators.decimal)
        separators.thousands = group[0];
    else if (separators.decimal == QLatin1Char(','))
        separators.thousands = QLatin1Char('.');
    return separators;
}

}  // namespace

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent)
{
    m_model.setSeparators(localeSeparators());
    setAlignment(Qt::AlignRight);
    // Numbers need no Japanese input; an input method would also bypass the key filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhPreferLatin);
    // A drop would insert its text unfiltered.
    setAcceptDrops(false);
    m_guard = true;
    setText(QStringLiteral("0"));
    m_guard = false;
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_guard)
            handleChange();
    });
    connect(this, &QLineEdit::textEdited, this, [this] { m_typedIn = true; });
}

void NumberEdit::setComma(bool on)
{
    if (m_model.setComma(on))
        rewriteCanonical();
}

void NumberEdit::setFigure(int figure)
{
    if (m_model.setFigure(figure))
        rewriteCanonical();
}

void NumberEdit::setFixed(bool on)
{
    if (m_model.setFixed(on))
        rewriteCanonical();
}

void NumberEdit::setLimit(bool on)
{
    if (m_model.setLimit(on))
        rewriteCanonical();
}

void NumberEdit::setLimitOptions(TLimitOptions options)
{
    if (m_model.setLimitOptions(options))
        rewriteCanonical();
}

void NumberEdit::setNumberType(TNumberType type)
{
    setText(m_model.setNumberType(type));
}

void NumberEdit::setMax(Extended max)
{
    if (m_model.setMax(max))
        rewriteCanonical();
}

void NumberEdit::setMin(Extended min)
{
    if (m_model.setMin(min))
        rewriteCanonical();
}

void NumberEdit::setValidMinus(bool on)
{
    if (m_model.setValidMinus(on))
        rewriteCanonical();
}

void NumberEdit::setValue(Extended value)
{
    m_model.setValue(value);
    rewriteCanonical();
}

void NumberEdit::setZeroVisible(bool on)
{
    m_model.setZeroVisible(on);
    const std::optional<Extended> shown = m_model.readText(text());
    if (shown && *shown == 0)
        rewriteCanonical();
}

void NumberEdit::setSeparators(NumberSeparators separators)
{
    m_model.setSeparators(separators);
    rewriteCanonical();
}

void NumberEdit::pasteText(const QString &clipboardText)
{
    if (isReadOnly())
        return;
    const std::optional<EditState> pasted = NumberInputFilter::paste(snapshot(), clipboardText, m_model);
    if (!pasted)
        return;
    m_typedIn = true;
    applyState(*pasted);
    setModified(true);
}

void NumberEdit::paste()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    if (data && data->hasText())
        pasteText(clipboard->text());
}

void NumberEdit::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
        return;
    }
    const int key = event->key();
    if (m_model.AllowKeys() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        stepBy(key == Qt::Key_Up ? TArrowDirection::adUp : TArrowDirection::adDown);
        event->accept();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter takes the typed number as leaving does: a value held to the
        // limits or cut to Figure decimals is shown before anyone acts on it.
        leave();
    }
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);

    // Backspace and Delete step over a group separator onto the digit beyond
    // it; deleting the separator alone would only bring it back.
    if (m_model.Comma() && !ctrl && !hasSelectedText()) {
        const int pos = cursorPosition();
        const QChar thousands = m_model.separators().thousands;
        if (key == Qt::Key_Backspace && pos > 1 && text()[pos - 1] == thousands)
            setCursorPosition(pos - 1);
        else if (key == Qt::Key_Delete && pos + 1 < text().size() && text()[pos] == thousands)
            setCursorPosition(pos + 1);
    }

    QChar character;
    bool keypadSeparator = false;
    if (key == Qt::Key_Backspace)
        character = QLatin1Char('\b');
    else if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        character = QLatin1Char('\t');
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        character = QLatin1Char('\r');
    else if (event->modifiers().testFlag(Qt::KeypadModifier)
             && (key == Qt::Key_Period || key == Qt::Key_Comma)) {
        // The keypad's separator key types the locale's decimal separator.
        character = m_model.separators().decimal;
        keypadSeparator = true;
    } else if (event->text().size() == 1 && event->text()[0].unicode() >= 32)
        character = event->text()[0];

    if (character.isNull()) {
        // Caret movement, Delete and the other keys without a character.
        QLineEdit::keyPressEvent(event);
        return;
    }

    const NumberInputFilter::KeyVerdict verdict = NumberInputFilter::key(snapshot(), character, ctrl, m_model);
    switch (verdict.action) {
    case NumberInputFilter::KeyVerdict::Discard:
        event->accept();
        return;
    case NumberInputFilter::KeyVerdict::Insert:
        if (keypadSeparator && !ctrl && event->text() != QString(character)) {
            insert(QString(character));
            m_typedIn = true;
            event->accept();
        } else {
            QLineEdit::keyPressEvent(event);
        }
        return;
    case NumberInputFilter::KeyVerdict::Replace:
        m_typedIn = true;
        applyState(verdict.state);
        setModified(true);
        event->accept();
        return;
    }
}

void NumberEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || (reason == Qt::ActiveWindowFocusReason && m_awayWithWindow)) {
        // Back from a menu or from another window: the user never left the box.
        m_awayWithWindow = false;
        return;
    }
    m_awayWithWindow = false;
    m_typedIn = false;
    if (reason == Qt::MouseFocusReason)
        return;  // the click places the caret
    if (m_autoSelect)
        selectAll();
    else
        end(false);
}

void NumberEdit::focusOutEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
        m_awayWithWindow = reason == Qt::ActiveWindowFocusReason;
        QLineEdit::focusOutEvent(event);
        return;
    }
    leave();
    QLineEdit::focusOutEvent(event);
    emit exited();
}

void NumberEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's paste goes through the paste rules like Ctrl+V. Where the menu
    // connects its paste by slot name it already reaches the paste() declared
    // here; where it names its actions, the paste action is rewired explicitly.
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &NumberEdit::paste);
        }
    }
    menu->popup(event->globalPos());
}

void NumberEdit::mouseReleaseEvent(QMouseEvent *event)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && !isReadOnly() && clipboard && clipboard->supportsSelection()) {
        // The X11 selection paste of the middle button follows the paste rules too.
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        pasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    // The line edit turns the input method back on when read-only is switched.
    if (event->type() == QEvent::ReadOnlyChange)
        setAttribute(Qt::WA_InputMethodEnabled, false);
}

EditState NumberEdit::snapshot() const
{
    EditState state;
    state.text = text();
    if (hasSelectedText()) {
        state.selStart = selectionStart();
        state.selLength = selectionLength();
    } else {
        state.selStart = cursorPosition();
    }
    return state;
}

void NumberEdit::applyState(const EditState &state)
{
    const bool textChanges = state.text != text();
    m_guard = true;
    setText(state.text);
    m_guard = false;
    if (state.selLength > 0)
        setSelection(state.selStart, state.selLength);
    else
        setCursorPosition(state.selStart);
    if (textChanges)
        handleChange();
}

void NumberEdit::handleChange()
{
    const NumberEditModel::Change change = m_model.textChanged(text(), cursorPosition());
    if (change.rewrite) {
        const bool modified = isModified();
        m_guard = true;
        setText(change.text);
        setCursorPosition(change.cursor);
        m_guard = false;
        setModified(modified);
    }
    if (change.fire)
        emit changed();
}

void NumberEdit::rewriteCanonical()
{
    setText(m_model.applyFormatted(text()));
}

void NumberEdit::leave()
{
    const Extended before = m_model.Value();
    m_guard = true;
    if (const std::optional<Extended> read = m_model.readText(text()))
        m_model.setValue(*read);
    setText(m_model.applyFormatted(text()));
    m_guard = false;
    setModified(m_typedIn);
    // The number shown from now on is the one in use: those who act on the
    // change event must not keep the one before.
    if (m_model.Value() != before)
        emit changed();
}

void NumberEdit::stepBy(TArrowDirection direction)
{
    Extended value = m_model.arrowTarget(direction);
    if (m_onArrowKeyChange)
        m_onArrowKeyChange(this, direction, value);
    m_typedIn = true;
    setValue(value);
}
