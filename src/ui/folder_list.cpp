#include "folder_list.h"

#include "document/file_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int kPathRole = Qt::UserRole;

QString cleanFolder(const QString& folder)
{
    return QDir::cleanPath(QDir(resolvePath(toSlashes(folder))).absolutePath());
}

// Enter opens the highlighted entry, as a double click does.
class FolderView : public QListWidget
{
public:
    using QListWidget::QListWidget;
    std::function<void(QListWidgetItem*)> onEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
            onEnter(currentItem());
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

bool sameFolder(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

} // namespace

FolderList::FolderList(QWidget* parent) : QWidget(parent), path_(cleanFolder(QDir::currentPath()))
{
    auto* view = new FolderView(this);
    view->onEnter = [this](QListWidgetItem* item) { openItem(item); };
    view_ = view;
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
    connect(view_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { openItem(item); });
    connect(view_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit clicked(item->data(kPathRole).toString()); });
    fill();
}

QString FolderList::path() const
{
    return path_;
}

void FolderList::setPath(const QString& folder)
{
    const QString cleaned = cleanFolder(folder);
    if (!QFileInfo(cleaned).isDir())
        return;
    if (cleaned == path_)
        return;
    path_ = cleaned;
    fill();
    emit pathChanged(path_);
}

QString FolderList::selectedPath() const
{
    const QListWidgetItem* item = view_->currentItem();
    return item ? item->data(kPathRole).toString() : path_;
}

void FolderList::refresh()
{
    if (!QFileInfo(path_).isDir()) {
        // The open folder was removed meanwhile: the nearest ancestor that still exists opens.
        QString folder = path_;
        while (!QFileInfo(folder).isDir() && QFileInfo(folder).dir().path() != folder)
            folder = QFileInfo(folder).dir().path();
        path_ = folder;
        fill();
        emit pathChanged(path_);
        return;
    }
    fill();
}

QStringList FolderList::entryPaths() const
{
    QStringList paths;
    for (int row = 0; row < view_->count(); ++row)
        paths.append(view_->item(row)->data(kPathRole).toString());
    return paths;
}

void FolderList::fill()
{
    QStringList ancestors;
    for (QDir dir(path_);;) {
        ancestors.prepend(QDir::cleanPath(dir.absolutePath()));
        if (!dir.cdUp())
            break;
    }

    view_->clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    QListWidgetItem* openItem = nullptr;
    for (const QString& folder : ancestors) {
        const QString name = depth == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(openIcon, QString(depth * 2, QLatin1Char(' ')) + name, view_);
        item->setData(kPathRole, folder);
        openItem = item;
        ++depth;
    }
    const QStringList children =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* item = new QListWidgetItem(closedIcon, QString(depth * 2, QLatin1Char(' ')) + child, view_);
        item->setData(kPathRole, QDir(path_).filePath(child));
    }
    view_->setCurrentItem(openItem);
    if (openItem)
        view_->scrollToItem(openItem);
}

void FolderList::openItem(QListWidgetItem* item)
{
    const QString folder = item->data(kPathRole).toString();
    if (sameFolder(folder, path_))
        return;
    setPath(folder);
}

namespace {

bool isBelowFolder(const QString& path, const QString& top)
{
    const QString prefix = top.endsWith(QLatin1Char('/')) ? top : top + QLatin1Char('/');
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return sameFolder(path, top) || path.startsWith(prefix, cs);
}

} // namespace

bool isWithinTree(const QString& path, const QString& root)
{
    // Links are resolved before comparing: a link inside the tree that points out of it must not
    // lead the dialogs there, however its own path reads.
    const QString real = QFileInfo(path).canonicalFilePath();
    const QString realRoot = QFileInfo(cleanFolder(root)).canonicalFilePath();
    return !real.isEmpty() && !realRoot.isEmpty() && isBelowFolder(cleanFolder(path), cleanFolder(root)) &&
           isBelowFolder(real, realRoot);
}

QString confinedFolder(const QString& path, const QString& root)
{
    const QString folder = cleanFolder(path);
    const QString top = cleanFolder(root);
    if (sameFolder(folder, top))
        return folder;
    return isWithinTree(folder, top) ? folder : top;
}
