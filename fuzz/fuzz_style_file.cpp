// Style files: loading, the header, the item text setter and the header
// writer on arbitrary bytes. A loaded layout must survive every step the
// program takes after opening a file, and a header the program writes must
// read back.

#include "FuzzSupport.h"

#include "core/layout/StyleData.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::WriteScratchFile(QStringLiteral("layout.sle"), fuzz::Bytes(data, size));

    // No folders: a missing or empty file must not restore anything.
    StyleData style;
    if (!style.OpenStyle(path))
        return 0;
    fuzz::Require(style.lineCount() >= 1, "an opened layout has a header");
    style.ReadStyleHeader();

    // What the record transfer does to every data item after an open.
    for (int i = 1; i < style.lineCount() && i < 64; ++i) {
        const QString field = style.line(i).section(u';', 1, 1);
        bool isNumber = false;
        const int id = field.toInt(&isNumber);
        // Items are found by the exact decimal text of their id.
        if (isNumber && QString::number(id) == field)
            fuzz::Require(style.setItemText(id, QStringLiteral("a;b\r\nc")), "chrchange finds an item findItem names");
    }
    style.RefreshDateItems();

    // The header as the program writes it must read back unchanged.
    style.WriteStyleHeader();
    const QString written = style.line(0);
    StyleData again;
    again.setLines(style.lines());
    if (again.ReadStyleHeader()) {
        again.WriteStyleHeader();
        fuzz::Require(again.line(0) == written, "a written header reads back unchanged");
    }
    return 0;
}
