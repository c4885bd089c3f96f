#include "periapsis_findings.h"

#include "document/ship_status.h"
#include "document/text_primitives.h"
#include "form_orbits.h"
#include "orbit.h"

#include <QHash>

#include <algorithm>

QVector<LintFinding> periapsisFindings(const Workspace& ws)
{
    const Scenario& doc = ws.doc;
    QVector<LintFinding> findings;
    QHash<QString, BodyLookup> bodies; // each body file read once
    const qsizetype count = std::min(doc.shipNames.size(), doc.ships.rowCount());
    for (qsizetype i = 0; i < count; ++i) {
        const ShipRow& row = doc.ships[i];
        if (shipStatusOf(row.Status) != ShipStatus::Orbiting)
            continue;
        const QString planet = trimBlanks(row.Planet);
        auto known = bodies.find(planet.toCaseFolded());
        if (known == bodies.end())
            known = bodies.insert(planet.toCaseFolded(), lookUpOrbitBody(ws.folders.CfgDir, planet));
        if (!known->body)
            continue;
        // The numbers the ship editor shows and validates: the number each cell begins with.
        const Vector3 position{numericValue(row.RposX), numericValue(row.RposY), numericValue(row.RposZ)};
        const Vector3 velocity{numericValue(row.RvelX), numericValue(row.RvelY), numericValue(row.RvelZ)};
        const auto depth = buriedPeriapsisDepth(position, velocity, *known->body);
        if (!depth)
            continue;
        findings.append(
            {doc.readReport.shipLines.value(i), QStringLiteral("periapsis"),
             QStringLiteral("ship ") + doc.shipNames[i],
             QStringLiteral("the periapsis of its orbit lies %1 km below the surface of %2; validation "
                            "accepts the ship, but its path runs into the ground")
                 .arg(QString::number(*depth / 1000.0, 'f', 1), planet)});
    }
    return findings;
}
