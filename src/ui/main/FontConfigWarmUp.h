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
