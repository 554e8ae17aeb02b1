// The rights text of a PermissionInfo row: decoding any text and encoding it again
// must give the same rights back.
#include "fuzzsupport.h"
#include "permissionstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::init();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QVector<bool> rights = PermissionStore::decode(text);
    const QString encoded = PermissionStore::encode(rights);
    if (PermissionStore::decode(encoded) != rights)
        FuzzSupport::fail("decode(encode(rights)) differs from the rights");
    if (rights.size() > text.count(QLatin1Char('/')) + 1)
        FuzzSupport::fail("more rights than parts");
    return 0;
}
