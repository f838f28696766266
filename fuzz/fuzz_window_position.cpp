// The window-position file: whatever it holds, reading gives a position, and
// the position the program writes reads back unchanged.

#include "FuzzSupport.h"

#include "core/settings/WindowPositionFile.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::WriteScratchFile(QStringLiteral("zerrat_xe2.xml"), fuzz::Bytes(data, size));
    WindowPosition position;
    ReadWindowPositionFile(path, position);

    const QString written = fuzz::ScratchDir() + QStringLiteral("/written.xml");
    fuzz::Require(WriteWindowPositionFile(written, QStringLiteral("zerrat_xe2"), position), "the position is written");
    WindowPosition reread;
    fuzz::Require(ReadWindowPositionFile(written, reread), "the written file reads");
    fuzz::Require(reread.width == position.width && reread.height == position.height && reread.top == position.top
                      && reread.left == position.left,
                  "a written position reads back unchanged");
    return 0;
}
