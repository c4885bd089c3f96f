#pragma once

#include "document/scenario.h"
#include "qt_print.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Scenario files for the reader and writer tests, written into a temporary folder.
class ScenarioFiles
{
public:
    // Writes the lines, each ended by CR LF, as Windows-1252; returns the path.
    QString write(const QString& name, const QStringList& lines);
    QString writeBytes(const QString& name, const QByteArray& bytes);
    QString path(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// A file with the fixed sections and the given station and ship sections (each without its
// BEGIN and END lines; an empty list leaves the section out).
QStringList scenarioLines(const QStringList& stations, const QStringList& ships,
                          const QStringList& description = {QStringLiteral("A test scenario.")});

// The lines of a text written in a test, split at '\n'.
QStringList textLines(const QString& text);

// Reads the file with a host that does nothing.
Scenario readScenario(const QString& path);
