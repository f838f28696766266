#pragma once
// The program's message box: titled with the application title, the heading as
// its main text, the message below it, one OK button and no icon.

#include <QString>

class QWidget;

// Texts longer than this are cut, so a runaway message cannot fill the screen.
constexpr int NoticeTextLimit = 2049;

// Shows the box modally over parent (the active window when null) and returns
// when the user presses OK.
void ShowNotice(const QString &heading, const QString &text, QWidget *parent = nullptr);
