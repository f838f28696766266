#pragma once
// The outcome of a layout operation that can fail (a missing style file, a
// malformed header, a file that cannot be written). Failures are values with a
// message for the user, so nothing is ever thrown through the window.

#include <QString>

struct LayoutStatus {
    // What went wrong, for callers that word their own message (the
    // command-line tool speaks English).
    enum class Problem {
        None,
        Other,
        Missing,      // no file at the path
        Unreadable,   // the file cannot be opened
        Empty,        // nothing before the first empty line
        NotStyleFile, // the first line is no style header
        BadHeader,    // the header's paper size is not a whole number
    };

    bool ok = true;
    QString message; // empty when ok
    Problem problem = Problem::None;

    // A successful outcome.
    static LayoutStatus success() { return {}; }
    // A failed outcome with the message the window shows.
    static LayoutStatus failure(const QString &text, Problem problem = Problem::Other)
    {
        return {false, text, problem};
    }

    explicit operator bool() const { return ok; }
};

// What the clerk can do about a style file that cannot be read: the help
// menu's command puts the shipped style files back.
inline QString StyleRestoreAdvice()
{
    return QStringLiteral("「ヘルプ」メニューの「スタイルデータの復旧」で最初のスタイルデータに戻せます"
                          "（印刷位置の調整はやり直しになります）。");
}
