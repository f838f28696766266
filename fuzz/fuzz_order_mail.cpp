// The order-mail paste on any clipboard text: it either fills the boxes or
// says why not, and the boxes store into a record.

#include "FuzzSupport.h"

#include "core/addressbook/SingleDataForm.h"
#include "core/import/OrderMailPaste.h"
#include "core/layout/PrintRecord.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (bool keep : {true, false}) {
        OrderMailOptions options;
        options.keepPrefecture = keep;
        const OrderMailResult result = ParseOrderMail(text, options);
        fuzz::Require(result.ok == result.notice.isEmpty(), "a refused paste says why");
        fuzz::Require(result.ok || result.boxes.namae.isEmpty(), "a refused paste fills no box");
        PrintRecord record;
        SingleDataForm{result.boxes}.storeInto(record, 40, result.boxes.timeSelect);
        fuzz::Require(record.size() >= PrintRecord::SlotCount, "the record keeps its slots");
    }
    return 0;
}
