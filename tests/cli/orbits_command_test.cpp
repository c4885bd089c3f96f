// corvane-scn orbits: the derived orbit of every station and orbiting ship, checked against the
// textbook formulas worked here from the scenario's cells (as `dump` gives them) and the body files.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <numbers>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun corvaneScn(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(CORVANE_SCN_BINARY), args);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonObject json(const ToolRun& run)
{
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

// One number of a body file, read the plain way: the last 'Key = value' line, comment cut off.
double bodyValue(const QString& configDir, const QString& body, const QString& key)
{
    QFile file(configDir + '/' + body + ".cfg");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << body.toStdString();
    double value = 0.0;
    const QRegularExpression line("^\\s*" + key + "\\s*=\\s*([-+0-9.eE]+)",
                                  QRegularExpression::CaseInsensitiveOption);
    for (const QByteArray& text : file.readAll().split('\n')) {
        const auto match = line.match(QString::fromLatin1(text));
        if (match.hasMatch())
            value = match.captured(1).toDouble();
    }
    return value;
}

void expectRelative(const QJsonValue& actual, double expected, const std::string& what)
{
    ASSERT_TRUE(actual.isDouble()) << what;
    EXPECT_NEAR(actual.toDouble(), expected, std::abs(expected) * 1e-9) << what;
}

const QString kSample = QStringLiteral(CORVANE_SAMPLE_DIR);
constexpr double G = 6.67430e-11;

TEST(OrbitsCommand, EverySampleOrbitAgreesWithTheFormulas)
{
    const QString config = kSample + "/Config";
    QDirIterator scenarios(kSample + "/Scenarios", {"*.scn"}, QDir::Files, QDirIterator::Subdirectories);
    int stations = 0;
    int ships = 0;
    int escapes = 0;
    int statesAtStart = 0;
    while (scenarios.hasNext()) {
        const QString file = scenarios.next();
        const QJsonObject dumped = json(corvaneScn({"dump", file}));
        const QJsonObject orbits = json(corvaneScn({"orbits", "--sim", kSample, file}));

        const QJsonArray stationRows = dumped["stations"].toArray();
        const QJsonArray stationOrbits = orbits["stations"].toArray();
        ASSERT_EQ(stationOrbits.size(), stationRows.size()) << file.toStdString();
        for (qsizetype i = 0; i < stationRows.size(); ++i) {
            const QJsonObject cells = stationRows[i].toObject();
            const QJsonObject orbit = stationOrbits[i].toObject();
            const QString body = cells["RefPlanet"].toString().trimmed();
            const std::string what = (file + ": " + cells["Name"].toString()).toStdString();
            EXPECT_EQ(orbit["name"].toString(), cells["Name"].toString()) << what;
            EXPECT_EQ(orbit["body"].toString(), body) << what;
            const double mu = G * bodyValue(config, body, "Mass");
            const double radius = bodyValue(config, body, "Size");
            const double a = cells["SemiMajorAxis"].toString().toDouble();
            const double e = cells["Excentricity"].toString().toDouble();
            expectRelative(orbit["periapsisAltitude"], a * (1 - e) - radius, what);
            expectRelative(orbit["apoapsisAltitude"], a * (1 + e) - radius, what);
            expectRelative(orbit["period"], 2 * std::numbers::pi * std::sqrt(a * a * a / mu), what);
            EXPECT_EQ(orbit["crossesAtmosphere"].toBool(),
                      a * (1 - e) < radius + bodyValue(config, body, "AtmAltLimit"))
                << what;
            // At the start date the station is somewhere on that orbit, at the speed vis-viva gives.
            if (orbit.contains("stateAtStart")) {
                const QJsonObject state = orbit["stateAtStart"].toObject();
                const QJsonArray p = state["position"].toArray(), v = state["velocity"].toArray();
                const double r = std::hypot(p[0].toDouble(), p[1].toDouble(), p[2].toDouble());
                const double speed = std::hypot(v[0].toDouble(), v[1].toDouble(), v[2].toDouble());
                EXPECT_GE(r, a * (1 - e) * (1 - 1e-12)) << what;
                EXPECT_LE(r, a * (1 + e) * (1 + 1e-12)) << what;
                EXPECT_NEAR(speed * speed, mu * (2 / r - 1 / a), mu / a * 1e-9) << what;
                ++statesAtStart;
            }
            ++stations;
        }

        QJsonArray orbiting;
        for (const QJsonValue& row : dumped["ships"].toArray()) {
            if (row.toObject()["Status"].toString().trimmed().compare("Orbiting", Qt::CaseInsensitive) == 0)
                orbiting.append(row);
        }
        const QJsonArray shipOrbits = orbits["ships"].toArray();
        ASSERT_EQ(shipOrbits.size(), orbiting.size()) << file.toStdString();
        for (qsizetype i = 0; i < orbiting.size(); ++i) {
            const QJsonObject cells = orbiting[i].toObject();
            const QJsonObject orbit = shipOrbits[i].toObject();
            const QString body = cells["Planet"].toString().trimmed();
            const std::string what = (file + ": " + cells["Name"].toString()).toStdString();
            EXPECT_EQ(orbit["name"].toString(), cells["Name"].toString()) << what;
            const double mu = G * bodyValue(config, body, "Mass");
            const double radius = bodyValue(config, body, "Size");
            const auto cell = [&cells](const char* name) { return cells[name].toString().toDouble(); };
            const double x = cell("RposX"), y = cell("RposY"), z = cell("RposZ");
            const double vx = cell("RvelX"), vy = cell("RvelY"), vz = cell("RvelZ");
            const double r = std::sqrt(x * x + y * y + z * z);
            const double v2 = vx * vx + vy * vy + vz * vz;
            const double hx = y * vz - z * vy, hy = z * vx - x * vz, hz = x * vy - y * vx;
            const double h2 = hx * hx + hy * hy + hz * hz;
            const double energy = v2 / 2 - mu / r;
            const double ecc = std::sqrt(1 + 2 * energy * h2 / (mu * mu));
            EXPECT_EQ(orbit["insideBody"].toBool(), r <= radius) << what;
            EXPECT_EQ(orbit["escapes"].toBool(), energy >= 0.0) << what;
            if (energy >= 0.0) {
                // Phobos holds a shuttle barely faster than its escape speed.
                expectRelative(orbit["periapsisAltitude"], h2 / (mu * (1 + ecc)) - radius, what);
                EXPECT_TRUE(orbit["apoapsisAltitude"].isNull()) << what;
                EXPECT_TRUE(orbit["period"].isNull()) << what;
                EXPECT_FALSE(orbit.contains("elements")) << what;
                ++escapes;
            } else {
                const double a = -mu / (2 * energy);
                expectRelative(orbit["periapsisAltitude"], a * (1 - ecc) - radius, what);
                expectRelative(orbit["apoapsisAltitude"], a * (1 + ecc) - radius, what);
                expectRelative(orbit["period"], 2 * std::numbers::pi * std::sqrt(a * a * a / mu), what);
                const QJsonObject elements = orbit["elements"].toObject();
                expectRelative(elements["semiMajorAxis"], a, what);
                EXPECT_NEAR(elements["eccentricity"].toDouble(), ecc, 1e-9) << what;
                // The file's y is north: cos i is the right-handed Z of the angular momentum,
                // whose file components swap y and z and so change its sign.
                EXPECT_NEAR(std::cos(elements["inclination"].toDouble() * std::numbers::pi / 180),
                            -hy / std::sqrt(h2), 1e-9)
                    << what;
            }
            ++ships;
        }
    }
    EXPECT_GE(stations, 2);
    EXPECT_GE(ships, 2);
    EXPECT_GE(escapes, 1);
    EXPECT_GE(statesAtStart, 2);
}

TEST(OrbitsCommand, RowsWithoutAnOrbitGetNullsAndTheirProblem)
{
    const QString sim = QStringLiteral(CORVANE_TEST_DATA_DIR "/editing/sim");
    const QJsonObject orbits = json(
        corvaneScn({"orbits", "--sim", sim, QStringLiteral(CORVANE_TEST_DATA_DIR "/cli/odd_orbits.scn")}));
    const QJsonArray stations = orbits["stations"].toArray();
    ASSERT_EQ(stations.size(), 4);
    // Low: a = 6 000 000 = Terra's radius, so on the surface, inside its 100 km atmosphere.
    EXPECT_EQ(stations[0]["periapsisAltitude"].toDouble(), 0.0);
    EXPECT_TRUE(stations[0]["crossesAtmosphere"].toBool());
    EXPECT_FALSE(stations[0].toObject().contains("problem"));
    for (int i : {2, 3}) {
        const QJsonObject row = stations[i].toObject();
        for (const char* key : {"periapsisAltitude", "apoapsisAltitude", "period", "crossesAtmosphere"})
            EXPECT_TRUE(row[key].isNull()) << i << key;
    }
    EXPECT_EQ(stations[2]["problem"].toString(), "The semi-major axis or the eccentricity is not a number.");
    EXPECT_TRUE(stations[3]["problem"].toString().startsWith("No data: the body file "));
    // Without EL_MJD a station has no epoch to carry its elements from.
    for (const QJsonValue& station : stations)
        EXPECT_FALSE(station.toObject().contains("stateAtStart"));

    // The landed ship is not listed.
    const QJsonArray ships = orbits["ships"].toArray();
    ASSERT_EQ(ships.size(), 4);
    EXPECT_TRUE(ships[0]["insideBody"].toBool());
    // Away: 12 000 m/s at 7 000 km is above the escape speed sqrt(2 * 4.00458e14 / 7e6) = 10 697 m/s.
    EXPECT_EQ(ships[1]["name"].toString(), "Away");
    EXPECT_TRUE(ships[1]["escapes"].toBool());
    EXPECT_TRUE(ships[1]["apoapsisAltitude"].isNull() && ships[1]["period"].isNull());
    EXPECT_FALSE(ships[1].toObject().contains("elements"));
    // Sunk: 5 000 km out at 7 000 m/s towards the file's north, a polar orbit, apoapsis here.
    EXPECT_NEAR(ships[0]["elements"]["inclination"].toDouble(), 90.0, 1e-12);
    EXPECT_NEAR(ships[0]["elements"]["periapsisLongitude"].toDouble(), 180.0, 1e-9);
    EXPECT_NEAR(ships[1]["periapsisAltitude"].toDouble(), 1e6, 1e-3);
    EXPECT_TRUE(ships[2]["insideBody"].toBool());
    EXPECT_EQ(ships[2]["problem"].toString(), "No orbit: the ship is at the body's centre.");
    // 1E15 is shown in plain decimal, which the editor's checks take for a number: at 1 m/s so far
    // out, the energy 0.5 - 4.00458e14 / 1e15 is above zero.
    EXPECT_FALSE(ships[3]["insideBody"].toBool());
    EXPECT_TRUE(ships[3]["escapes"].toBool());
    EXPECT_FALSE(ships[3].toObject().contains("problem"));
}

TEST(OrbitsCommand, UsageErrorsAndUnreadableFilesExitWithTwo)
{
    const QString file = kSample + "/Scenarios/Earth Orbit Rendezvous.scn";
    for (const QStringList& args : {QStringList{"orbits", file}, QStringList{"orbits", "--sim", kSample},
                                    QStringList{"orbits", "--sim", kSample, file, file},
                                    QStringList{"orbits", "--sim", kSample, kSample + "/none.scn"},
                                    QStringList{"orbits", "--sim", kSample + "/Config", file}}) {
        const ToolRun run = corvaneScn(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}

} // namespace

// What the reader found reaches stderr one finding a line, with its line, as check prints it,
// and the orbits of what was read still reach stdout.
TEST(OrbitsCommand, PrintsTheReadersFindingsOneALine)
{
    const QString file = QStringLiteral(CORVANE_TEST_DATA_DIR "/lint/kinds/Malformed.scn");
    const ToolRun run = corvaneScn({"orbits", "--sim", kSample, file});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(QJsonDocument::fromJson(run.out).isNull());
    const QStringList lines = QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 20);
    EXPECT_TRUE(lines.first().startsWith(file + QStringLiteral(":22: 'RPOS 1' needs three values")))
        << lines.first().toStdString();
    for (const QString& line : lines)
        EXPECT_TRUE(line.startsWith(file + u':')) << line.toStdString();
    EXPECT_FALSE(run.err.contains("Tools/Error Log"));
}
