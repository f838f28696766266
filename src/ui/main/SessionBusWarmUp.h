#pragma once
// The menu bar asks the session bus whether a global menu is offered, and the
// first text of a widget starts the accessibility bridge, which asks it too.
// Connecting can take long: without a bus address the D-Bus library tries to
// launch a bus and looks for the launcher along the whole PATH. Started right
// after the application object, the connection is tried on a thread of its own
// while the window's first fonts are loaded; Qt keeps the outcome, so the menu
// bar and the bridge find it ready.

#include <thread>

class SessionBusWarmUp
{
public:
    // Starts the connection on its own thread. Needs the application object.
    SessionBusWarmUp();
    // Waits for the thread; its work is long done by then.
    ~SessionBusWarmUp();

    SessionBusWarmUp(const SessionBusWarmUp &) = delete;
    SessionBusWarmUp &operator=(const SessionBusWarmUp &) = delete;

private:
    std::thread m_thread;
};
