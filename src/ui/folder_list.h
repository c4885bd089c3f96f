#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QListWidgetItem;

// The folder list of the editor's dialogs: the open folder with its ancestors above it and its
// sub-folders below it. A click selects an entry; a double click or Enter opens it. The open
// folder's path carries no trailing separator (a root keeps its own: "/", "C:/").
class FolderList : public QWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    // The open folder. It starts as the current working folder.
    QString path() const;
    // Opens `folder` (either separator, any letter case) and emits pathChanged when the open
    // folder changes; a folder that does not exist is ignored.
    void setPath(const QString& folder);
    // The highlighted entry's folder; the open folder when no other entry is highlighted.
    QString selectedPath() const;
    // Reads the sub-folders again.
    void refresh();

    // Entries as listed, as full paths: the ancestors and the open folder, then its sub-folders.
    QStringList entryPaths() const;
    QListWidget* view() const { return view_; }

signals:
    void pathChanged(const QString& path);
    // An entry was clicked: the clicked entry's folder.
    void clicked(const QString& path);

private:
    void fill();
    void openItem(QListWidgetItem* item);

    QListWidget* view_;
    QString path_;
};

// The folder a dialog may show when `path` is asked for: `path` itself when it is `root` or a
// folder below it, otherwise `root`. Both may end with a separator or not.
// Links are followed: a folder that leads out of the tree, through a link anywhere on its way,
// counts as outside.
QString confinedFolder(const QString& path, const QString& root);

// Whether the file or folder `path` exists and lies in `root` or below it, with every link on
// its way resolved.
bool isWithinTree(const QString& path, const QString& root);
