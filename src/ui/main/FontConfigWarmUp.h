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

// Loads the application font's engines for every script the window's texts are
// written in (Latin and digits, kanji, hiragana, katakana, and the marks they
// share), in the normal weight and in the bold the style draws group box titles
// and table headers with. The window's first texts would load the same engines;
// loading them first, before any widget, gives the session bus connection
// (StartupWarmUp) that time to finish instead of holding the first widget.
// Needs the application object.
void LoadApplicationFontEngines();
