#pragma once
// Typing into a widget as a user does: Latin letters as key presses, Japanese
// text as the input method hands it over (committed strings), since key
// events cannot carry kana and kanji.

#include <QApplication>
#include <QLineEdit>
#include <QInputMethodEvent>
#include <QString>
#include <QtTest>

inline void TypeText(QWidget *widget, const QString &text)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const bool ascii = text[i].unicode() >= 0x20 && text[i].unicode() < 0x7f;
        qsizetype end = i;
        while (end < text.size() && (text[end].unicode() >= 0x20 && text[end].unicode() < 0x7f) == ascii)
            ++end;
        const QString run = text.mid(i, end - i);
        if (ascii) {
            QTest::keyClicks(widget, run);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(run);
            QApplication::sendEvent(widget, &commit);
        }
        i = end;
    }
}

// Types text into each box in turn (focus first, as a user tabs along) and
// returns what each box then holds.
inline QStringList TypeIntoEach(std::initializer_list<QLineEdit *> boxes, const QString &text)
{
    QStringList held;
    for (QLineEdit *box : boxes) {
        box->setFocus();
        TypeText(box, text);
        held << box->text();
    }
    return held;
}
