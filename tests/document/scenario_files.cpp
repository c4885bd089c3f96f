#include "scenario_files.h"

#include "document/safe_write.h"
#include "document/scenario_reader.h"

#include <QFile>

QString ScenarioFiles::write(const QString& name, const QStringList& lines)
{
    return writeBytes(name, crlfText(lines));
}

QString ScenarioFiles::writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

QString ScenarioFiles::path(const QString& name) const
{
    return dir_.filePath(name);
}

QStringList scenarioLines(const QStringList& stations, const QStringList& ships,
                          const QStringList& description)
{
    QStringList lines{QStringLiteral("BEGIN_DESC")};
    lines << description;
    lines << QStringLiteral("END_DESC") << QString() << QStringLiteral("BEGIN_ENVIRONMENT")
          << QStringLiteral("  System Sol") << QStringLiteral("  Date MJD 51544.5")
          << QStringLiteral("END_ENVIRONMENT") << QString() << QStringLiteral("BEGIN_FOCUS")
          << QStringLiteral("  Ship Shuttle") << QStringLiteral("END_FOCUS") << QString();
    if (!stations.isEmpty())
        lines << QStringLiteral("BEGIN_STATIONS") << stations << QStringLiteral("END_STATIONS") << QString();
    if (!ships.isEmpty())
        lines << QStringLiteral("BEGIN_SHIPS") << ships << QStringLiteral("END_SHIPS");
    return lines;
}

Scenario readScenario(const QString& path)
{
    Scenario doc;
    ScenarioReaderHost host;
    TabSettings(path, doc, host);
    return doc;
}

QString documentFixture(const QString& name)
{
    return QStringLiteral(CORVANE_TEST_DATA_DIR "/document/") + name;
}
