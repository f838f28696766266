#include "ui/main/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

FontConfigWarmUp::FontConfigWarmUp() : m_thread([] { FcInit(); }) {}

void FontConfigWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}
