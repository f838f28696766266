#include "core/controls/NumberInputFilter.h"

#include "core/text/TextFields.h"

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool isHexDigit(QChar c)
{
    const QChar upper = c.toUpper();
    return isDigit(c) || (upper >= QLatin1Char('A') && upper <= QLatin1Char('F'));
}

bool isSign(QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-'); }

bool startsWithSign(const QString &text) { return !text.isEmpty() && isSign(text[0]); }

// A character typed with the caret in front of the sign would land before it and
// leave a text that no longer reads as a number.
bool caretBeforeSign(const EditState &s) { return s.selStart == 0 && s.selLength == 0 && startsWithSign(s.text); }

// The text without the selected characters.
QString textOutsideSelection(const EditState &s)
{
    QString text = s.text;
    text.remove(s.selStart, s.selLength);
    return text;
}

}  // namespace

NumberInputFilter::KeyVerdict NumberInputFilter::key(const EditState &state, QChar c, bool ctrl,
                                                     const NumberEditModel &model)
{
    KeyVerdict verdict;
    verdict.state = state;
    const auto pass = [&] {
        verdict.action = KeyVerdict::Insert;
        return verdict;
    };
    const auto discard = [&] {
        verdict.action = KeyVerdict::Discard;
        return verdict;
    };

    if (ctrl)
        return pass();
    if (c == QLatin1Char('\b') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        return pass();

    if (model.NumberType() == TNumberType::ntHex) {
        if (isHexDigit(c))
            return caretBeforeSign(state) ? discard() : pass();
        if (c == QLatin1Char('-'))
            return model.ValidMinus() ? toggleSign(state, QLatin1Char('-'), QLatin1Char('+')) : discard();
        if (c == QLatin1Char('+') && state.text.startsWith(QLatin1Char('-')))
            return toggleSign(state, QLatin1Char('-'), QLatin1Char('+'));
        return discard();
    }

    if (c == QLatin1Char('-'))
        return toggleSign(state, QLatin1Char('-'), QLatin1Char('+'));
    if (c == QLatin1Char('+'))
        return toggleSign(state, QLatin1Char('+'), QLatin1Char('-'));

    const QChar decimal = model.separators().decimal;
    if (isDigit(c)) {
        if (caretBeforeSign(state))
            return discard();
        if (model.MaxIntLength() > 0) {
            const int dot = state.text.indexOf(decimal);
            const int integerEnd = dot < 0 ? state.text.size() : dot;
            int integerDigits = 0;
            for (int i = 0; i < integerEnd; ++i)
                if (isDigit(state.text[i]))
                    ++integerDigits;
            if (integerDigits >= model.MaxIntLength()) {
                const bool inDecimals = dot >= 0 && state.selStart > dot;
                bool integerDigitSelected = false;
                for (int i = state.selStart; i < state.selStart + state.selLength && i < integerEnd; ++i)
                    if (isDigit(state.text[i]))
                        integerDigitSelected = true;
                if (!inDecimals && !integerDigitSelected)
                    return discard();
            }
        }
        return pass();
    }
    if (c == decimal) {
        if (caretBeforeSign(state))
            return discard();
        // A separator inside the selection is about to be replaced, so only one
        // outside it forbids a second.
        return textOutsideSelection(state).contains(decimal) ? discard() : pass();
    }
    return discard();
}

NumberInputFilter::KeyVerdict NumberInputFilter::toggleSign(const EditState &state, QChar sign, QChar other)
{
    KeyVerdict verdict;
    verdict.action = KeyVerdict::Replace;
    EditState s = state;
    if (s.selStart == 0 && s.selLength > 0) {
        s.text.remove(0, s.selLength);
        s.selLength = 0;
    }
    if (s.text.startsWith(sign)) {
        s.text.remove(0, 1);
        s.selStart = qMax(0, s.selStart - 1);
    } else if (s.text.startsWith(other)) {
        s.text[0] = sign;
    } else {
        s.text.prepend(sign);
        s.selStart += 1;
    }
    verdict.state = s;
    return verdict;
}

std::optional<EditState> NumberInputFilter::paste(const EditState &state, const QString &clipboard,
                                                  const NumberEditModel &model)
{
    EditState work;
    work.text = textOutsideSelection(state);
    const int caret = state.selStart;
    for (int i = caret; i < work.text.size(); ++i)
        if (isSign(work.text[i]))
            return std::nullopt;

    const bool hex = model.NumberType() == TNumberType::ntHex;
    const QChar decimal = model.separators().decimal;
    bool hasSeparator = !hex && work.text.contains(decimal);
    const bool hasSign = work.text.contains(QLatin1Char('+')) || work.text.contains(QLatin1Char('-'));

    QString taken;
    for (int i = 0; i < clipboard.size(); ++i) {
        // Full-width digits and signs, as Japanese input produces them, count as ASCII.
        const QChar c = NarrowChar(clipboard[i]);
        const bool signAllowed = i == 0 && caret == 0 && !hasSign;
        if (hex) {
            if (isHexDigit(c) || (c == QLatin1Char('-') && model.ValidMinus() && signAllowed))
                taken += c;
            continue;
        }
        if (isDigit(c)) {
            taken += c;
        } else if (c == decimal && !hasSeparator) {
            taken += c;
            hasSeparator = true;
        } else if (isSign(c) && signAllowed) {
            taken += c;
        }
    }
    work.text.insert(caret, taken);
    work.selStart = caret + taken.size();
    return work;
}
