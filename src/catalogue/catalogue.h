#pragma once

#include "document/config_byte_search.h"
#include "document/config_lookup.h"
#include "document/scan_log.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What the simulator's configuration folder offers, scanned once at start: planetary systems
// and vessel classes (each name paired with the file it came from) and station classes with
// their dock counts.

struct NamedFile
{
    QString name; // value of the Name or ClassName line
    QString file; // file name with extension, no folder
};

struct StationClassRow
{
    QString Name;      // class file name without its last four characters
    int DockCount = 0; // -1 when the class file cannot be read

    bool operator==(const StationClassRow&) const = default;
};

struct Catalogue
{
    QVector<NamedFile> planetarySystems; // PlanetarySystem / PlanetarySystemFile
    QVector<NamedFile> vesselClasses;    // Spacecraft / SpacecraftFile
    QStringList stationClasses;          // StationClass
    QVector<StationClassRow> stationClassTable;
};

// The "*.cfg" files directly in `folder`, sorted by name without regard to letter case.
QStringList configurationFiles(const QString& folder);

// The start-up scan of the configuration folder `cfgDir` (ending with a separator), over the
// files' bytes. Files that cannot be read are logged and skipped.
Catalogue buildCatalogue(const QString& cfgDir, ScanLog& log);

// The same scan over the configuration files `files` of `cfgDir`, their bytes read through
// `source`.
Catalogue catalogueOfBytes(const QString& cfgDir, const QStringList& files, ScanLog& log,
                           const ByteSource& source = readFileBytes);

// The same scan over the lines `source` gives for each file; over the lines readTextLines makes
// of a file's bytes it gives what the scan of the bytes gives.
Catalogue catalogueOf(const QString& cfgDir, const QStringList& files, ScanLog& log,
                      const LineSource& source = readTextLines);

// The dock count of the lines of one station class file: every line after BEGIN_DOCKLIST up to
// and including END_DOCKLIST, less one.
int dockListCount(const QStringList& lines);

// The same count over the bytes of the file, as dockListCount counts the lines readTextLines
// makes of them.
int dockListCountOfBytes(QByteArrayView bytes);

// Dock count of a station class by name (trimmed, any letter case; the last match wins), 0 when
// the class is unknown.
int StationDockNumberDisplay(const QVector<StationClassRow>& table, const QString& sn);
