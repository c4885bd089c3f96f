#include "scenario_files.h"

#include "document/safe_write.h"
#include "document/scenario_reader.h"

#include <QFile>

using namespace Qt::StringLiterals;

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
    QStringList lines{u"BEGIN_DESC"_s};
    lines << description;
    lines << u"END_DESC"_s << QString() << u"BEGIN_ENVIRONMENT"_s << u"  System Sol"_s
          << u"  Date MJD 51544.5"_s << u"END_ENVIRONMENT"_s << QString() << u"BEGIN_FOCUS"_s
          << u"  Ship Shuttle"_s << u"END_FOCUS"_s << QString();
    if (!stations.isEmpty())
        lines << u"BEGIN_STATIONS"_s << stations << u"END_STATIONS"_s << QString();
    if (!ships.isEmpty())
        lines << u"BEGIN_SHIPS"_s << ships << u"END_SHIPS"_s;
    return lines;
}

QStringList textLines(const QString& text)
{
    return text.split(u'\n');
}

Scenario readScenario(const QString& path)
{
    Scenario doc;
    ScenarioReaderHost host;
    TabSettings(path, doc, host);
    return doc;
}
