// The planetary system file and the body files: no input crashes ExtractPlanet or the body
// readers, the body the window selects is an entry of the list, every entry names a body file,
// and the window's values are formed for any body file. A packed input holds the system file first, then body files
// ("=== Earth.cfg").
#include "fuzz_support.h"

#include "catalogue/planetary_system.h"

#include <QLocale>

namespace {

void checkBodies(const QStringList& bodies)
{
    const int selected = defaultBodyIndex(bodies);
    if (selected < -1 || selected >= bodies.size() || (selected == -1) != bodies.isEmpty())
        propertyBroken("the selected body is an entry of the list", QString::number(bodies.size()),
                       QString::number(selected));
    for (const QString& entry : bodies) {
        if (!bodyFilePath(kFuzzFolder, entry).endsWith(QStringLiteral(".cfg")))
            propertyBroken("every body entry names a body file", entry, bodyFilePath(kFuzzFolder, entry));
    }
}

void checkBody(const PackedFile& file)
{
    const BodyDisplay display = bodyDisplayOf(file.lines, QLocale::c());
    if (!display.atmosphereLimit.endsWith(QStringLiteral(" m")))
        propertyBroken("the atmosphere limit is shown in metres", file.name, display.atmosphereLimit);
    if (!display.meanRadius.isEmpty() && !display.meanRadius.endsWith(QStringLiteral(" m")))
        propertyBroken("the mean radius is shown in metres", file.name, display.meanRadius);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QVector<PackedFile> files = packedFiles(inputLines(data, size), QStringLiteral("Sol.cfg"));
    checkBodies(systemBodies(files.first().lines));
    for (qsizetype i = 1; i < files.size(); ++i)
        checkBody(files[i]);
    return 0;
}
