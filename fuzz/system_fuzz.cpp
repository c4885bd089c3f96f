// The planetary system file and the body files: no input crashes ExtractPlanet or the body
// readers, every body entry is a planet or a moon following a planet, and the window's values
// are formed for any body file. A packed input holds the system file first, then body files
// ("=== Earth.cfg").
#include "fuzz_support.h"

#include "catalogue/planetary_system.h"
#include "document/text_primitives.h"

#include <QLocale>

#include <cmath>

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
    static const QLocale germanLocale(QLocale::German);
    const BodyDisplay c = bodyDisplayOf(file.lines, QLocale::c());
    const BodyDisplay german = bodyDisplayOf(file.lines, germanLocale);
    if (!c.atmosphereLimit.endsWith(QStringLiteral(" m")) || !german.atmosphereLimit.endsWith(QStringLiteral(" m")))
        propertyBroken("the atmosphere limit is shown in metres", c.atmosphereLimit, german.atmosphereLimit);
    for (const QString& key : {QStringLiteral("Size"), QStringLiteral("AtmAltLimit")}) {
        const auto value = bodyStatementValue(file.lines, key);
        if (value && !std::isfinite(numericValue(*value)))
            propertyBroken("a body value reads as a finite number", *value, key);
    }
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
