// The base table: BaseUpDate over a body file and the base files its Base lines name, and the
// split of its entries. A packed input holds the body file Earth.cfg first, then base files
// ("=== Canaveral.cfg"). No input crashes the readers, every entry names its body, and its pad
// count reads back as the count the base file gave.
#include "fuzz_support.h"

#include "catalogue/bases.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QVector<PackedFile> files = packedFiles(inputLines(data, size), QStringLiteral("Earth.cfg"));
    ScanLog log;
    const QStringList table = BaseUpDate(kFuzzFolder, {QStringLiteral("Earth")}, log, packedSource(files));
    for (const QString& entry : table) {
        if (!entry.endsWith(QStringLiteral(":Earth")))
            propertyBroken("a base entry ends with its body", QStringLiteral("...:Earth"), entry);
        const BaseEntry split = splitBaseEntry(entry);
        if (split.padCount < 0)
            propertyBroken("a base has no negative pad count", entry, QString::number(split.padCount));
    }
    return 0;
}
