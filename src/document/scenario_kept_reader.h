#pragma once

#include "scenario.h"

#include <QString>
#include <QStringList>

// Reads what the file holds outside the station and ship blocks beside the values: the comment
// lines and end-of-line comments of the top level and of the environment and focus sections,
// the end-of-line comments of the section lines, and the sections the editor does not edit
// (kept whole in doc.sections). `bodyStart` is the first line after the description. Date and
// EL_MJD values that hold no number are logged with their line; they and dates before 1900 are
// findings of doc.readReport.
void readKeptText(const QString& path, const QList<QStringView>& lines, qsizetype bodyStart, Scenario& doc);

// The closing keyword of a section the editor does not edit: 'BEGIN_MFD Left' closes with
// 'END_MFD', 'BEGIN_CAMERA' with 'END_CAMERA'.
QString closingKeyword(QStringView opening);
