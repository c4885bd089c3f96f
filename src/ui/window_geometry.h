#pragma once

#include <QString>

class QWidget;

// Window sizes and positions kept between runs, in the user's configuration folder (never in
// the simulator folder or the folder the editor was started from, which may be shared or
// read-only).

// The settings file: window.conf in the user's configuration folder.
QString windowSettingsFile();

// Gives `window` the geometry stored under `key`; leaves it as it is when none is stored.
void restoreWindowGeometry(QWidget* window, const QString& key);
// Stores the geometry of `window` under `key`; whether the settings file was written.
bool saveWindowGeometry(const QWidget* window, const QString& key);
