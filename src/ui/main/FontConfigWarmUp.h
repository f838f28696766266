#pragma once
// Reading the font configuration and its caches takes several milliseconds
// that the first text of the window would otherwise wait for. Started before
// the application object, it runs beside the connection to the display and
// the loading of the platform plugin, which need no fonts.

#include <thread>

class FontConfigWarmUp
{
public:
    // Starts reading the configuration on a thread of its own.
    FontConfigWarmUp();
    // Waits for it: call before the first font is asked for, so that the
    // font database never sees a configuration half read.
    void finish();
    ~FontConfigWarmUp() { finish(); }

    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

private:
    std::thread m_thread;
};

// Without a desktop that names one, Qt's interface font is the generic
// "Sans Serif", which its font database does not hold: every script of every
// text then has fontconfig sort all installed fonts for a stand-in, and on a
// desktop in another language the stand-in is a Latin font whose kanji and
// kana come from fallbacks. The program's texts are Japanese whatever the
// desktop's language, so the generic name is replaced by the family fontconfig
// chooses for Japanese text, as on a Japanese desktop: one font for every
// script, its engines loaded at once. A desktop's own font is kept. Needs the
// application object.
void UseConcreteInterfaceFamily();

// Loads the application font's engines for every script the window's texts are
// written in (Latin and digits, kanji, hiragana, katakana, and the marks they
// share), in the normal weight and in the bold the style draws group box titles
// and table headers with. The window's first texts would load the same engines;
// loading them first, before any widget, gives the session bus connection
// (StartupWarmUp) that time to finish instead of holding the first widget.
// Needs the application object.
void LoadApplicationFontEngines();
