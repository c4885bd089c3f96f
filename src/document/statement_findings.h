#pragma once

#include "read_finding.h"
#include "scenario_line.h"
#include "scenario_model.h"

#include <QStringView>

#include <optional>

// What the reader silently makes of the lines of a station or ship block, as findings at their
// 1-based `lineNumber`: values that are no numbers (the editor shows and computes with the
// number they begin with, mostly 0), levels beyond their sliders, and kept lines that are no
// statement.

// The findings about a statement the reader took into the row: `keyword` is the statement's
// ("RPOS", "FUEL"), `row` the row as the statement left it.
QVector<ReadFinding> shipStatementFindings(QStringView keyword, const ScenarioLine& line, const ShipRow& row,
                                           qsizetype lineNumber);
QVector<ReadFinding> stationStatementFindings(QStringView keyword, const ScenarioLine& line,
                                              const StationRow& row, qsizetype lineNumber);

// A line the reader keeps as an extra line of a ship or station block: a finding when it is not
// in the form of a statement (a keyword of letters, digits and "_" that begins with a letter,
// then a blank or tab and the values, or nothing), or when its keyword is one of the editor's with one
// letter wrong, missing, added or two letters swapped ('FEUL 0.5'). Blank and comment lines are
// no finding.
std::optional<ReadFinding> shipExtraLineFinding(const ScenarioLine& line, qsizetype lineNumber);
std::optional<ReadFinding> stationExtraLineFinding(const ScenarioLine& line, qsizetype lineNumber);

// Whether two words differ by one letter changed, added or removed, or two neighbours swapped.
bool isOneEditApart(QStringView a, QStringView b);
