#include "ui/main/SessionBusWarmUp.h"

#include <QDBusConnection>

SessionBusWarmUp::SessionBusWarmUp() : m_thread([] { QDBusConnection::sessionBus(); }) {}

SessionBusWarmUp::~SessionBusWarmUp()
{
    if (m_thread.joinable())
        m_thread.join();
}
