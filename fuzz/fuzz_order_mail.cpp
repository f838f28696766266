// The order-mail paste on any clipboard text: it either fills the boxes or
// says why not, and the boxes store into a record.

#include "FuzzSupport.h"

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
    OrderMailBoxes current;
    current.x_YUBIN1 = QStringLiteral("123");
    current.x_YUBIN2 = QStringLiteral("4567");
    for (bool keep : {true, false}) {
        OrderMailOptions options;
        options.keepPrefecture = keep;
        const OrderMailResult result = ParseOrderMail(text, current, options);
        fuzz::Require(result.ok == result.notice.isEmpty(), "a refused paste says why");
        PrintRecord record;
        StoreOrderMailBoxes(record, result.boxes);
        fuzz::Require(record.size() >= PrintRecord::SlotCount, "the record keeps its slots");
    }
    return 0;
}
