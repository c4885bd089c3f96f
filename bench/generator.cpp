#include "generator.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toLatin1()) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

// Comment and value lines that pad a file to a realistic length.
void pad(QTextStream& out, int lines, int seed)
{
    for (int i = 0; i < lines; ++i)
        out << "; note " << i << " of file " << seed << "\r\nValue" << i << " = " << (seed * 7 + i) % 1000
            << "\r\n";
}

int lineCount(int seed)
{
    return 10 + seed * 37 % 90; // 20 to 200 lines with the values
}

QString bodyName(int i)
{
    return QStringLiteral("Body%1").arg(i);
}

QString baseName(int i)
{
    return QStringLiteral("Base%1").arg(i);
}

QString stationClassName(int i)
{
    return QStringLiteral("Station%1").arg(i);
}

int docksOf(int stationClass)
{
    return 1 + stationClass % 8;
}

} // namespace

GeneratedInstallation generateInstallation(const QString& folder, int files)
{
    GeneratedInstallation inst;
    inst.simFolder = QDir(folder).absolutePath() + u'/';
    inst.systemName = QStringLiteral("System0");
    QDir().mkpath(inst.simFolder + QStringLiteral("Config"));
    QDir().mkpath(inst.simFolder + QStringLiteral("Scenarios"));
    writeFile(inst.simFolder + QStringLiteral("corvane.cfg"),
              QStringLiteral("ConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\\r\n"));
    const QString config = inst.simFolder + QStringLiteral("Config/");

    // A quarter bodies, a quarter base files, a quarter of each class kind; systems on top.
    const int quarter = std::max(1, files / 4);
    inst.bodies = quarter;
    inst.stationClasses = quarter;
    const int systems = std::max(1, inst.bodies / 50);
    for (int s = 0; s < systems; ++s) {
        QString text;
        QTextStream out(&text);
        out << "Name = System" << s << "\r\nStar1 = Sun" << s << "\r\n";
        int planet = 0;
        for (int b = s * 50; b < std::min(inst.bodies, (s + 1) * 50); ++b) {
            if (b % 5 == 0)
                out << "Planet" << ++planet << " = " << bodyName(b) << "\r\n";
            else
                out << bodyName(b - b % 5) << b % 5 << " = " << bodyName(b) << "\r\n";
        }
        pad(out, lineCount(s) / 4, s);
        out.flush();
        writeFile(config + QStringLiteral("System%1.cfg").arg(s), text);
    }
    for (int b = 0; b < inst.bodies; ++b) {
        QString text;
        QTextStream out(&text);
        out << "Mass = 5.97e24\r\nSize = " << 1000000 + b
            << "\r\nAtmAltLimit = 100000\r\nSidRotPeriod = 86400\r\n";
        out << "Base = " << baseName(b) << " 10.5 -3.25\r\n";
        pad(out, lineCount(b) / 2, b);
        out.flush();
        writeFile(config + bodyName(b) + QStringLiteral(".cfg"), text);

        QString base;
        QTextStream baseOut(&base);
        baseOut << "Name = " << baseName(b) << "\r\nSize = 1500\r\n";
        for (int p = 1; p <= 1 + b % 6; ++p)
            baseOut << "LPAD " << p << " " << p * 20 << ".0 0.0\r\n";
        pad(baseOut, lineCount(b + 1) / 2, b);
        baseOut.flush();
        writeFile(config + baseName(b) + QStringLiteral(".cfg"), base);
    }
    for (int c = 0; c < inst.stationClasses; ++c) {
        QString text;
        QTextStream out(&text);
        out << "Meshname = " << stationClassName(c) << "\r\nSize = 120\r\nBEGIN_DOCKLIST\r\n";
        for (int d = 0; d < docksOf(c); ++d)
            out << "0 0 " << 60 + d << "  0 0 1  0 1 0\r\n";
        out << "END_DOCKLIST\r\n";
        pad(out, lineCount(c) / 2, c);
        out.flush();
        writeFile(config + stationClassName(c) + QStringLiteral(".cfg"), text);

        QString vessel;
        QTextStream vesselOut(&vessel);
        vesselOut << "ClassName = Vessel" << c << "\r\nMass = 12000\r\nSize = 9.5\r\nMaxFuel = 4000\r\n";
        pad(vesselOut, lineCount(c + 2) / 2, c);
        vesselOut.flush();
        writeFile(config + QStringLiteral("Vessel%1.cfg").arg(c), vessel);
    }
    return inst;
}

QString generateScenario(const GeneratedInstallation& inst, int ships)
{
    const int bodies = std::min(inst.bodies, 50); // the bodies of System0
    const int stations = std::max(1, ships / 4);
    QString text;
    QTextStream out(&text);
    out << "BEGIN_DESC\r\nA generated scenario of " << ships << " ships.\r\nEND_DESC\r\n\r\n";
    out << "BEGIN_ENVIRONMENT\r\n  System " << inst.systemName
        << "\r\n  Date MJD 60311.7\r\nEND_ENVIRONMENT\r\n\r\n";
    out << "BEGIN_FOCUS\r\n  Ship Ship0\r\nEND_FOCUS\r\n\r\n";
    out << "BEGIN_STATIONS\r\n";
    for (int s = 0; s < stations; ++s) {
        out << "Stn" << s << ":" << stationClassName(s % inst.stationClasses) << "\r\n  REF "
            << bodyName(s % bodies) << "\r\n  EL_MJD 60311.5\r\n  ELEMENTS " << 8000000 + s
            << " 0.0006 51.64 247.5 130.2 85\r\n"
            << "  AROT 0 90 0\r\n  ; generated station\r\nEND\r\n";
    }
    out << "END_STATIONS\r\n\r\nBEGIN_SHIPS\r\n";
    for (int k = 0; k < ships; ++k) {
        out << "Ship" << k << ":Vessel" << k % inst.stationClasses << "\r\n";
        switch (k % 3) {
        case 0: {
            const int s = k % stations;
            const int dock = 1 + k / 3 % docksOf(s % inst.stationClasses);
            out << "  STATUS Docked " << bodyName(s % bodies) << ":Stn" << s << ":" << dock << "\r\n";
            break;
        }
        case 1: {
            const int b = k % bodies;
            out << "  STATUS Landed " << bodyName(b) << "\r\n  BASE " << baseName(b) << ":"
                << 1 + k % (1 + b % 6) << "\r\n  HEADING 90\r\n";
            break;
        }
        default:
            out << "  STATUS Orbiting " << bodyName(k % bodies) << "\r\n  RPOS 9230000 -5120000 1650000\r\n"
                << "  RVEL 5120.5 4560.25 1930\r\n  AROT 12.5 -40 175\r\n  VROT 0.5\r\n";
        }
        out << "  FUEL 0.4\r\n  TRANSPONDER " << k << "\r\nEND\r\n";
    }
    out << "END_SHIPS\r\n";
    out.flush();
    const QString path = inst.simFolder + QStringLiteral("Scenarios/Generated%1.scn").arg(ships);
    writeFile(path, text);
    return path;
}
