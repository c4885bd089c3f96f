#include "recent_scenarios.h"

#include "catalogue/start_folders.h"
#include "document/file_paths.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <algorithm>

namespace {

const QString kListKey = QStringLiteral("Recent/scenarios");

QString absolutePath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool writeList(const QString& file, const QStringList& list)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(kListKey, list);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

QString recentScenariosFile()
{
    return userConfigFolder() + QStringLiteral("/recent.conf");
}

QStringList withoutRecentScenario(QStringList list, const QString& path)
{
    const QString key = fileSystemKey(path);
    list.removeIf([&key](const QString& entry) { return fileSystemKey(entry) == key; });
    return list;
}

QStringList withRecentScenario(QStringList list, const QString& path)
{
    list = withoutRecentScenario(std::move(list), path);
    list.prepend(absolutePath(path));
    if (list.size() > kRecentScenarioCount)
        list.resize(kRecentScenarioCount);
    return list;
}

QStringList readRecentScenarios(const QString& file)
{
    const QSettings settings(file, QSettings::IniFormat);
    const QStringList stored = settings.value(kListKey).toStringList();
    QStringList list;
    for (const QString& entry : stored) {
        if (list.size() == kRecentScenarioCount)
            break;
        if (!entry.isEmpty() && withoutRecentScenario(list, entry).size() == list.size())
            list.append(absolutePath(entry));
    }
    return list;
}

bool addRecentScenario(const QString& path, const QString& file)
{
    return writeList(file, withRecentScenario(readRecentScenarios(file), path));
}

bool removeRecentScenario(const QString& path, const QString& file)
{
    return writeList(file, withoutRecentScenario(readRecentScenarios(file), path));
}

QMenu* newRecentScenariosMenu(QWidget* parent)
{
    auto* menu = new QMenu(QStringLiteral("&Recent scenarios"), parent);
    menu->setObjectName(QStringLiteral("MenuRecent"));
    menu->setToolTipsVisible(true);
    return menu;
}

void fillRecentScenariosMenu(QMenu* menu, const QStringList& paths,
                             const std::function<void(const QString&)>& chosen)
{
    menu->clear();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        QString name = QFileInfo(path).fileName();
        name.replace(u'&', QStringLiteral("&&"));
        QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->setObjectName(QStringLiteral("MenuRecent%1").arg(i + 1));
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setData(path);
        // Queued: the item is still inside its own triggered() while `chosen` would refill the
        // menu and delete it.
        QObject::connect(item, &QAction::triggered, menu, [menu, path, chosen] {
            QMetaObject::invokeMethod(
                menu, [path, chosen] { chosen(path); }, Qt::QueuedConnection);
        });
    }
    menu->menuAction()->setEnabled(!paths.isEmpty());
}
