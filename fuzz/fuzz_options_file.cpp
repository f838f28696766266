// The options file: every line is untrusted; whatever it holds, the options
// the program then writes must read back as the same options.

#include "FuzzSupport.h"

#include "core/settings/OptionsFile.h"
#include "core/text/TextCodec.h"

namespace {
bool SameOptions(const MainOptions &a, const MainOptions &b)
{
    for (int i = 0; i < 4; ++i)
        if (a.fixItem[i] != b.fixItem[i])
            return false;
    return a.zipChange == b.zipChange && a.fixKingaku == b.fixKingaku && a.copies == b.copies
        && a.previewLocate == b.previewLocate && a.datePrint == b.datePrint && a.itemFix == b.itemFix
        && a.yenMark == b.yenMark && a.writeHistory == b.writeHistory;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::WriteScratchFile(QStringLiteral("zerrat_xe2.conf"), fuzz::Bytes(data, size));
    MainOptions options;
    if (!ReadOptionsFile(path, options))
        return 0;

    MainOptions direct;
    ApplyOptionLines(SplitLines(DecodeText(fuzz::Bytes(data, size))), direct);
    fuzz::Require(SameOptions(direct, options), "the file and its lines give the same options");

    // Round trip through the writer's lines.
    MainOptions reread;
    ApplyOptionLines(OptionLines(options), reread);
    fuzz::Require(SameOptions(reread, options), "written options read back unchanged");
    return 0;
}
