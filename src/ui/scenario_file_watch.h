#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <optional>

// Watches the open scenario file for changes made by other programs. What the editor last read
// or wrote is remembered by content, so the editor's own save raises no notice however the file
// system reports it, and a change is noticed once however many events it causes.
class ScenarioFileWatch : public QObject
{
    Q_OBJECT
public:
    explicit ScenarioFileWatch(QObject* parent = nullptr);

    // Watches `path` and takes its present content as the editor's own (after a read or a save).
    void watch(const QString& path);
    const QString& path() const { return path_; }

    // Whether the file now holds something other than what the editor last read or wrote; a
    // file that is gone counts as unchanged, since nothing of another program's would be lost.
    bool changedSinceRead() const;

signals:
    // Another program changed the file (`removed`: it is gone now). Emitted once per change.
    void changedOutside(bool removed);

private:
    void fileEvent();

    QFileSystemWatcher watcher_;
    QString path_;
    std::optional<QByteArray> known_;    // digest of the content read or written last
    std::optional<QByteArray> notified_; // digest of the content reported last
};
