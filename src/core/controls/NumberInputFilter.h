#pragma once
// Which keystrokes and pasted characters the numeric edit box lets into its
// text. The rules work on a plain snapshot of the box (text and selection), so
// they are checked without a widget; the widget applies the verdicts.

#include "core/controls/NumberEditModel.h"

#include <QString>
#include <optional>

// The text of the box with its selection; with no selection the caret is at selStart.
struct EditState
{
    QString text;
    int selStart = 0;
    int selLength = 0;
};

class NumberInputFilter
{
public:
    // What becomes of one typed character.
    struct KeyVerdict
    {
        enum Action {
            Discard,  // the key is dropped
            Insert,   // the key goes into the text as the edit control would put it
            Replace   // the key is not inserted: the box shows `state` instead
        };
        Action action = Discard;
        EditState state;
    };

    // Judges one typed character (Backspace, Tab and Enter arrive as their
    // control characters) with Ctrl held or not.
    static KeyVerdict key(const EditState &state, QChar character, bool ctrl, const NumberEditModel &model);

    // The box after pasting `clipboard` with the caret placed after the inserted
    // characters; nothing when the paste is refused.
    static std::optional<EditState> paste(const EditState &state, const QString &clipboard,
                                          const NumberEditModel &model);

private:
    static KeyVerdict toggleSign(const EditState &state, QChar sign, QChar other);
};
