#include "status_texts.h"

#include <QFileInfo>

namespace {

QString counted(int count, const QString& singular, const QString& plural)
{
    return QString::number(count) + u' ' + (count == 1 ? singular : plural);
}

} // namespace

QString savedStatusText(const QString& scenarioFile, int stations, int ships)
{
    return QStringLiteral("Saved %1: %2, %3")
        .arg(QFileInfo(scenarioFile).fileName(),
             counted(stations, QStringLiteral("station"), QStringLiteral("stations")),
             counted(ships, QStringLiteral("ship"), QStringLiteral("ships")));
}

QString stationValidatedText(const QString& name)
{
    return QStringLiteral("Station %1 validated").arg(name);
}

QString shipValidatedText(const QString& name)
{
    return QStringLiteral("Ship %1 validated").arg(name);
}

QString undoneText(const QString& action)
{
    return QStringLiteral("Undone: ") + action;
}

QString redoneText(const QString& action)
{
    return QStringLiteral("Redone: ") + action;
}
