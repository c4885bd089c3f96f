#pragma once

#include "document/config_lookup.h"
#include "document/scan_log.h"

#include <QString>
#include <QStringList>

// The base table of the current planetary system: one entry per base found through the Base
// lines of the body files, "display name: pad count:body" (the pad count after a blank).
// The files are read through `source`.
QStringList BaseUpDate(const QString& cfgDir, const QStringList& bodies, ScanLog& log,
                       const LineSource& source = readTextLines);

struct BaseEntry
{
    QString displayName;
    int padCount = 0;
    QString body;
};
// Splits a base table entry at its last two ":" (a display name may hold ":").
BaseEntry splitBaseEntry(const QString& entry);
