#pragma once
// What the main window tests share: the staged program folder and the pages
// of a printed PDF file.

#include "support/PdfFiles.h"

#include <QString>

inline QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
}
