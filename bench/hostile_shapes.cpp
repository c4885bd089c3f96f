#include "hostile_shapes.h"

#include "generator.h"

#include <QDir>
#include <QFile>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray scenarioHead(const QString& system)
{
    return "BEGIN_DESC\r\nA hostile scenario.\r\nEND_DESC\r\nBEGIN_ENVIRONMENT\r\n  System " + system.toLatin1() +
           "\r\n  Date MJD 60311.7\r\nEND_ENVIRONMENT\r\n";
}

// An installation of about `files` generated configuration files plus a system file "Hostile"
// of `bodies` planets and moons that have no file of their own.
GeneratedInstallation missingBodies(const QString& folder, int files, int bodies)
{
    const GeneratedInstallation inst = generateInstallation(folder, files);
    QByteArray system = "Name = Hostile\r\nStar1 = Sun\r\n";
    for (int b = 0; b < bodies; ++b) {
        if (b % 5 == 0)
            system += "Planet" + QByteArray::number(b / 5 + 1) + " = Nowhere" + QByteArray::number(b) + "\r\n";
        else
            system += "Nowhere" + QByteArray::number(b - b % 5) + QByteArray::number(b % 5) + " = Nowhere" +
                      QByteArray::number(b) + "\r\n";
    }
    writeBytes(inst.simFolder + QStringLiteral("Config/Hostile.cfg"), system);
    return inst;
}

} // namespace

QVector<HostileShape> generateHostileShapes(const QString& folder, int scale)
{
    const QString root = QDir(folder).absolutePath() + u'/';
    QDir().mkpath(root);
    QVector<HostileShape> shapes;

    QByteArray ends = scenarioHead(QStringLiteral("Sol")) + "BEGIN_SHIPS\r\n";
    ends += QByteArray("END\r\n").repeated(500000 * scale);
    ends += "END_SHIPS\r\n";
    writeBytes(root + QStringLiteral("ends.scn"), ends);
    shapes.append({QStringLiteral("ends"), {QStringLiteral("dump"), root + QStringLiteral("ends.scn")}});

    const GeneratedInstallation bodies = missingBodies(root + QStringLiteral("bodies"), 300, 100000 * scale);
    shapes.append({QStringLiteral("bodies"),
                   {QStringLiteral("catalogue"), QStringLiteral("--sim"), bodies.simFolder, QStringLiteral("--system"),
                    QStringLiteral("Hostile")}});

    const GeneratedInstallation files = missingBodies(root + QStringLiteral("files"), 100 * scale, 10000);
    shapes.append({QStringLiteral("files"),
                   {QStringLiteral("catalogue"), QStringLiteral("--sim"), files.simFolder, QStringLiteral("--system"),
                    QStringLiteral("Hostile")}});

    // The generated installation's Base0 gets the pads; its scenario lands ships on them.
    const GeneratedInstallation pads = generateInstallation(root + QStringLiteral("pads"), 200);
    QByteArray base = "Name = Base0\r\nSize = 1500\r\n";
    for (int p = 1; p <= 50000 * scale; ++p)
        base += "LPAD " + QByteArray::number(p) + " 20.0 0.0\r\n";
    writeBytes(pads.simFolder + QStringLiteral("Config/Base0.cfg"), base);
    const QString padScenario = generateScenario(pads, 400);
    shapes.append({QStringLiteral("pads"), {QStringLiteral("check"), QStringLiteral("--sim"), pads.simFolder, padScenario}});

    QByteArray name = scenarioHead(QStringLiteral("Sol")) + "BEGIN_SHIPS\r\n";
    name += QByteArray(12500000 * scale, 'N') + ":Hauler\r\n  STATUS Orbiting Earth\r\nEND\r\nEND_SHIPS\r\n";
    writeBytes(root + QStringLiteral("name.scn"), name);
    shapes.append({QStringLiteral("name"), {QStringLiteral("dump"), root + QStringLiteral("name.scn")}});
    return shapes;
}
