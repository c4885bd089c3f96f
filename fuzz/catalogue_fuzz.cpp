// The start-up scan of the configuration folder: FindData's two stages for the planetary
// systems, the vessel classes and the station classes, and the dock lists of the station class
// files. A packed input is the folder: a first file A.cfg, then
// "=== NAME" files. No input crashes the scan, every name comes from a file of the folder,
// every station class has its dock count, and the scan of the files' bytes gives what the scan
// of the lines the line reader makes of them gives, scan log included.
#include "fuzz_support.h"

#include "catalogue/catalogue.h"
#include "document/text_codec.h"
#include "document/text_file.h"

namespace {

void checkNamedFiles(const QVector<NamedFile>& named, const QStringList& files, const char* what)
{
    for (const NamedFile& entry : named) {
        if (!files.contains(entry.file))
            propertyBroken(what, files.join(u' '), entry.file);
    }
}

QString shown(const Catalogue& catalogue)
{
    QStringList out;
    for (const NamedFile& system : catalogue.planetarySystems)
        out << QStringLiteral("system ") + system.name + u'|' + system.file;
    for (const NamedFile& vessel : catalogue.vesselClasses)
        out << QStringLiteral("vessel ") + vessel.name + u'|' + vessel.file;
    for (const StationClassRow& row : catalogue.stationClassTable)
        out << QStringLiteral("station ") + row.Name + u'=' + QString::number(row.DockCount);
    return out.join(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QVector<PackedBytes> bytes = packedByteFiles(data, size, QStringLiteral("A.cfg"));
    QVector<PackedFile> packed;
    QStringList files;
    for (const PackedBytes& file : bytes) {
        packed.append({file.name, splitLines(decodeWindows1252(file.bytes))});
        files.append(file.name);
    }
    ScanLog log;
    const Catalogue catalogue = catalogueOf(kFuzzFolder, files, log, packedSource(packed));
    ScanLog byteLog;
    const Catalogue fromBytes = catalogueOfBytes(kFuzzFolder, files, byteLog, packedByteSource(bytes));
    if (shown(fromBytes) != shown(catalogue))
        propertyBroken("the scan of the bytes gives the catalogue of the lines", shown(catalogue),
                       shown(fromBytes));
    if (byteLog.text() != log.text())
        propertyBroken("the scan of the bytes logs what the scan of the lines logs", log.text(),
                       byteLog.text());
    for (const PackedBytes& file : bytes) {
        const int lineCount = dockListCount(splitLines(decodeWindows1252(file.bytes)));
        if (dockListCountOfBytes(file.bytes) != lineCount)
            propertyBroken("the dock list of the bytes counts what the lines count",
                           QString::number(lineCount), QString::number(dockListCountOfBytes(file.bytes)));
    }
    checkNamedFiles(catalogue.planetarySystems, files, "a planetary system comes from a file of the folder");
    checkNamedFiles(catalogue.vesselClasses, files, "a vessel class comes from a file of the folder");
    if (catalogue.stationClasses.size() != catalogue.stationClassTable.size())
        propertyBroken("every station class has one dock count",
                       QString::number(catalogue.stationClasses.size()),
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
