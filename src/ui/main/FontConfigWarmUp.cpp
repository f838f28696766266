#include "ui/main/FontConfigWarmUp.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>

#include <fontconfig/fontconfig.h>

FontConfigWarmUp::FontConfigWarmUp() : m_thread([] { FcInit(); }) {}

void FontConfigWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

void LoadApplicationFontEngines()
{
    // One character of each script, all of them on the window anyway: a tab
    // title's kanji, hiragana and katakana, a button's long-vowel mark, a
    // box's Latin letter and digit.
    const QString sample = QStringLiteral(u"印お届リーTEL1");
    QFont font = QApplication::font();
    QFontMetrics(font).horizontalAdvance(sample);
    font.setBold(true);
    QFontMetrics(font).horizontalAdvance(sample);
}
