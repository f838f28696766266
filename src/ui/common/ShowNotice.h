#pragma once
// The program's message boxes: the heading (「確認」) as the window title, the
// message as the text, sized to the message, no icon.

#include <QString>

class QWidget;

// Texts longer than this are cut, so a runaway message cannot fill the screen.
constexpr int NoticeTextLimit = 2049;

// The notice box keeps its message, as given, in this property: the box shows
// it broken into lines.
constexpr const char *NoticeMessageProperty = "noticeMessage";

// Shows the box modally over parent (the active window when null) and returns
// when the user presses OK.
void ShowNotice(const QString &heading, const QString &text, QWidget *parent = nullptr);

// The same box as a question under 「確認」 with OK and キャンセル; true on OK.
// A question whose OK replaces or removes data may default to キャンセル.
bool AskOkCancel(const QString &question, QWidget *parent = nullptr, bool cancelByDefault = false);

// The same box with はい and いいえ, for a question about going on as it is; true on はい.
// A question whose はい may put a wrong thing on paper defaults to いいえ.
bool AskYesNo(const QString &question, QWidget *parent = nullptr, bool noByDefault = false);
