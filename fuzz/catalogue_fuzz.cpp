// The start-up scan of the configuration folder: FindData's two stages for the planetary
// systems, the vessel classes and the station classes, and the dock lists of the station class
// files. A packed input is the folder: a first file A.cfg, then
// "=== NAME" files. No input crashes the scan, every name comes from a file of the folder, and
// every station class has its dock count.
#include "fuzz_support.h"

#include "catalogue/catalogue.h"

namespace {

void checkNamedFiles(const QVector<NamedFile>& named, const QStringList& files, const char* what)
{
    for (const NamedFile& entry : named) {
        if (!files.contains(entry.file))
            propertyBroken(what, files.join(u' '), entry.file);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QVector<PackedFile> packed = packedFiles(inputLines(data, size), QStringLiteral("A.cfg"));
    QStringList files;
    for (const PackedFile& file : packed)
        files.append(file.name);
    ScanLog log;
    const Catalogue catalogue = catalogueOf(kFuzzFolder, files, log, packedSource(packed));
    checkNamedFiles(catalogue.planetarySystems, files, "a planetary system comes from a file of the folder");
    checkNamedFiles(catalogue.vesselClasses, files, "a vessel class comes from a file of the folder");
    if (catalogue.stationClasses.size() != catalogue.stationClassTable.size())
        propertyBroken("every station class has one dock count", QString::number(catalogue.stationClasses.size()),
                       QString::number(catalogue.stationClassTable.size()));
    for (const StationClassRow& row : catalogue.stationClassTable) {
        if (row.DockCount < -1)
            propertyBroken("a dock count is at least -1", row.Name, QString::number(row.DockCount));
    }
    for (const PackedFile& file : packed) {
        if (dockListCount(file.lines) < -1)
            propertyBroken("a dock list counts at least -1 docks", file.name,
                           QString::number(dockListCount(file.lines)));
    }
    return 0;
}
