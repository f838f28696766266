#include "ui/main/StartupWarmUp.h"

#include <QDBusConnection>
#include <QImageReader>

StartupWarmUp::StartupWarmUp()
    : m_thread([] {
          QDBusConnection::sessionBus();
          // Asking which formats can be read loads the plugins.
          QImageReader::supportedImageFormats();
      })
{
}

StartupWarmUp::~StartupWarmUp()
{
    if (m_thread.joinable())
        m_thread.join();
}
