#include "window_geometry.h"

#include "catalogue/start_folders.h"

#include <QSettings>
#include <QWidget>

QString windowSettingsFile()
{
    return userConfigFolder() + QStringLiteral("/window.conf");
}

void restoreWindowGeometry(QWidget* window, const QString& key)
{
    const QSettings settings(windowSettingsFile(), QSettings::IniFormat);
    const QByteArray geometry = settings.value(key + QStringLiteral("/geometry")).toByteArray();
    if (!geometry.isEmpty())
        window->restoreGeometry(geometry);
}

bool saveWindowGeometry(const QWidget* window, const QString& key)
{
    QSettings settings(windowSettingsFile(), QSettings::IniFormat);
    settings.setValue(key + QStringLiteral("/geometry"), window->saveGeometry());
    settings.sync();
    return settings.status() == QSettings::NoError;
}
