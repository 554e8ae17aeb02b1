// The show file reader: any bytes are refused with a reason, or read into a document whose
// written form the reader takes back and writes to the same bytes again.
#include "fuzzsupport.h"
#include "showdocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::init();
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    // This Qt leaks on a repeated member name; that is its parser's, not the reader's.
    if (FuzzSupport::hasRepeatedKey(bytes))
        return 0;
    QString error;
    const auto doc = ShowDocument::fromJson(bytes, &error);
    if (!doc) {
        if (error.isEmpty())
            FuzzSupport::fail("refused without a reason");
        return 0;
    }
    const QByteArray written = doc->toJson();
    const auto again = ShowDocument::fromJson(written, &error);
    if (!again)
        FuzzSupport::fail("the reader refuses what the writer wrote");
    if (again->toJson() != written)
        FuzzSupport::fail("writing what was read gives other bytes");
    return 0;
}
