#pragma once
// The program's message box: the heading (「確認」) as its window title, the
// message as its text, sized to the message, one OK button and no icon.

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
