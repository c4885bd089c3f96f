#include "scenario_lint.h"

#include "catalogue/bases.h"
#include "document/file_paths.h"
#include "document/folder_description.h"
#include "document/scenario_line.h"
#include "document/scenario_writer.h"
#include "document/ship_status.h"
#include "document/text_codec.h"
#include "document/text_file.h"
#include "document/text_primitives.h"
#include "periapsis_findings.h"
#include "scenario_session.h"
#include "workspace_checks.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

namespace {

// Names are compared as the simulator compares them: trimmed, without regard to case.
QString nameKey(const QString& name)
{
    return trimBlanks(name).toCaseFolded();
}

// A pad or dock number: a whole number from 1 to `count`.
bool inRange(const QString& text, int count)
{
    bool ok = false;
    const int n = trimBlanks(text).toInt(&ok);
    return ok && n >= 1 && n <= count;
}

// The sections whose content the writer always writes anew.
bool rewrittenSection(const ScenarioLine& line)
{
    const QString word = line.trimmed.section(u' ', 0, 0).toUpper();
    return word == u"BEGIN_CAMERA" || word == u"BEGIN_HUD" || word == u"BEGIN_MFD";
}

// The keywords of the statements the reader takes into a row; it knows them by their start,
// so 'ZROT_FREQ' is read and written back as 'ZROT_FREQUENCY'.
constexpr std::array<QStringView, 14> kReadKeywords{
    u"REF",     u"EL_MJD", u"ELEMENTS", u"ZROT_FREQ", u"AROT", u"STATUS",      u"BASE",
    u"HEADING", u"RPOS",   u"RVEL",     u"VROT",      u"FUEL", u"ENGINE_MAIN", u"ENGINE_HOVR"};

// What a line is compared by: the keyword of a statement (the values may be spelled anew), the
// whole line for a block line. Empty for a blank or comment-only line: comments between blocks
// are no content of the scenario.
QString statementKey(const ScenarioLine& line)
{
    if (line.trimmed.isEmpty())
        return {};
    if (line.isBlockLine() && line.trimmed.contains(u':'))
        return nameKey(line.trimmed);
    for (const QStringView keyword : kReadKeywords) {
        if (line.startsWith(keyword))
            return keyword.toString();
    }
    return line.trimmed.section(u' ', 0, 0).toUpper();
}

// Calls `visit(index, key)` for every line after the description outside the rewritten sections.
template <typename Visit> void visitStatements(const QStringList& lines, Visit visit)
{
    bool skipping = false;
    for (qsizetype i = descriptionBlock(lines).nextLine; i < lines.size(); ++i) {
        const ScenarioLine line(lines[i]);
        if (skipping) {
            skipping = !line.trimmed.toUpper().startsWith(u"END_");
            continue;
        }
        if (rewrittenSection(line)) {
            skipping = true;
            continue;
        }
        const QString key = statementKey(line);
        if (!key.isEmpty())
            visit(i, key);
    }
}

} // namespace

QVector<LintFinding> readFindings(const Scenario& doc, const QString& path)
{
    QVector<LintFinding> findings;
    for (const ReadFinding& f : doc.readReport.findings)
        findings.append({f.line, readFindingKindName(f.kind), {}, f.text});
    for (const QString& entry : doc.scanLog.entriesBesides(path))
        findings.append({0, readFindingKindName(ReadFinding::Kind::Unread), {}, entry});
    return findings;
}

QVector<LintFinding> placeFindings(const Workspace& ws)
{
    const Scenario& doc = ws.doc;
    QVector<LintFinding> findings;

    QSet<QString> bodies;
    for (const QString& body : ws.bodies)
        bodies.insert(nameKey(body));
    QSet<QString> vesselClasses;
    for (const NamedFile& vessel : ws.catalogue.vesselClasses)
        vesselClasses.insert(nameKey(vessel.name));
    QSet<QString> stationClasses;
    for (const QString& name : ws.catalogue.stationClasses)
        stationClasses.insert(nameKey(name));
    QHash<QString, int> dockCounts; // the last class of a name wins, as the editor looks it up
    for (const StationClassRow& row : ws.catalogue.stationClassTable)
        dockCounts.insert(nameKey(row.Name), row.DockCount);
    QHash<QString, QHash<QString, int>> basesByBody; // body -> base -> pad count
    QHash<QString, QString> bodyOfBase;
    for (const QString& entry : ws.baseTable) {
        const BaseEntry base = splitBaseEntry(entry);
        basesByBody[nameKey(base.body)].insert(nameKey(base.displayName), base.padCount);
        bodyOfBase.insert(nameKey(base.displayName), trimBlanks(base.body));
    }

    QHash<QString, qsizetype> stations; // name -> row
    const qsizetype stationCount = std::min(doc.stationNames.size(), doc.stations.rowCount());
    for (qsizetype i = 0; i < stationCount; ++i) {
        const StationRow& row = doc.stations[i];
        stations.insert(nameKey(row.Name), i);
        const QString subject = QStringLiteral("station ") + doc.stationNames[i];
        const qsizetype line = doc.readReport.stationLines.value(i);
        if (!stationClasses.contains(nameKey(row.ClassName)))
            findings.append(
                {line, QStringLiteral("unknown-class"), subject,
                 QStringLiteral("the catalogue has no station class '%1'").arg(trimBlanks(row.ClassName))});
        if (!bodies.contains(nameKey(row.RefPlanet)))
            findings.append({line, QStringLiteral("unknown-body"), subject,
                             QStringLiteral("the planetary system %1 has no body '%2'")
                                 .arg(doc.planetarySystem, trimBlanks(row.RefPlanet))});
    }

    QHash<QString, QString> pads;  // body:base:pad -> ship
    QHash<QString, QString> docks; // station:dock -> ship
    QSet<QString> ships;
    const qsizetype shipCount = std::min(doc.shipNames.size(), doc.ships.rowCount());
    for (qsizetype i = 0; i < shipCount; ++i) {
        const ShipRow& row = doc.ships[i];
        ships.insert(nameKey(row.Name));
        const QString name = doc.shipNames[i];
        const QString subject = QStringLiteral("ship ") + name;
        const qsizetype line = doc.readReport.shipLines.value(i);
        auto add = [&](const QString& kind, const QString& message) {
            findings.append({line, kind, subject, message});
        };
        if (!vesselClasses.contains(nameKey(row.ClassName)))
            add(QStringLiteral("unknown-class"),
                QStringLiteral("the catalogue has no vessel class '%1'").arg(trimBlanks(row.ClassName)));
        const QString body = trimBlanks(row.Planet);
        const ShipStatus status = shipStatusOf(row.Status);
        const bool docked = status == ShipStatus::Docked;
        const bool landed = status == ShipStatus::Landed;
        if (status != ShipStatus::Unknown && !bodies.contains(nameKey(body)))
            add(QStringLiteral("unknown-body"),
                QStringLiteral("the planetary system %1 has no body '%2'").arg(doc.planetarySystem, body));
        if (landed) {
            const QString base = trimBlanks(row.Base);
            const auto onBody = basesByBody.constFind(nameKey(body));
            const bool known = onBody != basesByBody.cend() && onBody->contains(nameKey(base));
            if (!known) {
                const auto elsewhere = bodyOfBase.constFind(nameKey(base));
                add(QStringLiteral("no-such-base"),
                    elsewhere == bodyOfBase.cend()
                        ? QStringLiteral("no body of the system has a base '%1'").arg(base)
                        : QStringLiteral("base '%1' is on %2, not on %3").arg(base, *elsewhere, body));
            } else if (!inRange(row.Pad, onBody->value(nameKey(base)))) {
                add(QStringLiteral("no-such-pad"), QStringLiteral("base '%1' has no pad '%2' (it has %3)")
                                                       .arg(base, trimBlanks(row.Pad))
                                                       .arg(onBody->value(nameKey(base))));
            } else {
                const QString pad = nameKey(body) + u':' + nameKey(base) + u':' +
                                    QString::number(trimBlanks(row.Pad).toInt());
                const auto taken = pads.constFind(pad);
                if (taken != pads.cend())
                    add(QStringLiteral("pad-taken"), QStringLiteral("pad %1 of base '%2' is taken by ship %3")
                                                         .arg(trimBlanks(row.Pad), base, *taken));
                else
                    pads.insert(pad, name);
            }
        }
        if (docked) {
            const QString station = trimBlanks(row.DockStation);
            const auto found = stations.constFind(nameKey(station));
            if (found == stations.cend()) {
                add(QStringLiteral("no-such-station"),
                    QStringLiteral("the file has no station '%1'").arg(station));
                continue;
            }
            const int count = dockCounts.value(nameKey(doc.stations[*found].ClassName), 0);
            if (count >= 0 && !inRange(row.DockPort, count)) {
                add(QStringLiteral("no-such-dock"),
                    QStringLiteral("station '%1' has no dock '%2' (it has %3)")
                        .arg(station, trimBlanks(row.DockPort))
                        .arg(count));
                continue;
            }
            const QString dock = nameKey(station) + u':' + QString::number(trimBlanks(row.DockPort).toInt());
            const auto taken = docks.constFind(dock);
            if (taken != docks.cend())
                add(QStringLiteral("dock-taken"),
                    QStringLiteral("dock %1 of station '%2' is taken by ship %3")
                        .arg(trimBlanks(row.DockPort), station, *taken));
            else
                docks.insert(dock, name);
        }
    }

    if (shipCount == 0)
        findings.append(
            {0, QStringLiteral("focus"), {}, QStringLiteral("the file has no ship to take the focus")});
    else if (!ships.contains(nameKey(doc.shipFocus)))
        findings.append({0,
                         QStringLiteral("focus"),
                         {},
                         QStringLiteral("the focus ship '%1' is not one of the file's ships")
                             .arg(trimBlanks(doc.shipFocus))});
    return findings;
}

QVector<LintFinding> losslessFindings(const QStringList& fileLines, const QStringList& writtenLines)
{
    QHash<QString, qsizetype> written;
    visitStatements(writtenLines, [&](qsizetype, const QString& key) { ++written[key]; });
    QVector<LintFinding> findings;
    visitStatements(fileLines, [&](qsizetype i, const QString& key) {
        auto left = written.find(key);
        if (left != written.end() && *left > 0)
            --*left;
        else
            findings.append(
                {i + 1,
                 QStringLiteral("not-lossless"),
                 {},
                 QStringLiteral("'%1' would be dropped on saving").arg(trimBlanks(fileLines[i]))});
    });
    return findings;
}

QVector<LintFinding> lintScenario(Workspace& ws)
{
    const QString path = resolvePath(joinPath(ws.folders.ScnDir, ws.scnfile));
    const std::optional<QStringList> lines = readTextLines(path);
    openScenario(ws);

    QVector<LintFinding> findings;
    if (lines) {
        findings += losslessFindings(*lines, splitLines(decodeWindows1252(scenarioFileText(ws.doc))));
        findings += placeFindings(ws);
        findings += periapsisFindings(ws);
        for (const ValidationFailure& f : validationFailures(ws)) {
            const QStringList& names = f.ship ? ws.doc.shipNames : ws.doc.stationNames;
            findings.append({f.line, QStringLiteral("validation"),
                             (f.ship ? QStringLiteral("ship ") : QStringLiteral("station ")) + names[f.row],
                             f.message});
        }
    }
    // After validation, which reads the body files and logs those it cannot read.
    findings += readFindings(ws.doc, path);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const LintFinding& a, const LintFinding& b) { return a.line < b.line; });
    return findings;
}
