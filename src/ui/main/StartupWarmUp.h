#pragma once
// Two first uses the window would otherwise wait for, done on a thread of their
// own while the main thread loads the window's font engines
// (LoadApplicationFontEngines):
//   - the session bus: the menu bar asks it whether a global menu is offered,
//     and the first text of a widget starts the accessibility bridge, which asks
//     it too. Connecting can take long: without a bus address the D-Bus library
//     tries to launch a bus and looks for the launcher along the whole PATH.
//   - the image format plugins: the first picture read, the menu bar's own
//     extension arrow, loads every one of them to ask whether it reads the file.
// Qt keeps both, so the menu bar and the bridge find them ready.

#include <thread>

class StartupWarmUp
{
public:
    // Starts the thread. Needs the application object.
    StartupWarmUp();
    // Waits for the thread; its work is long done by then.
    ~StartupWarmUp();

    StartupWarmUp(const StartupWarmUp &) = delete;
    StartupWarmUp &operator=(const StartupWarmUp &) = delete;

private:
    std::thread m_thread;
};
