#include "file_list.h"

#include "document/file_paths.h"
#include "document/regular_file.h"

#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

class FileView : public QListWidget
{
public:
    using QListWidget::QListWidget;
    std::function<void()> onEnter;
    std::function<void()> onKeyMove;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            onEnter();
            return;
        }
        const int before = currentRow();
        QListWidget::keyPressEvent(event);
        if (currentRow() != before && currentRow() >= 0)
            onKeyMove();
    }
};

} // namespace

FileList::FileList(QWidget* parent) : QWidget(parent)
{
    auto* view = new FileView(this);
    view->onEnter = [this] {
        const QString name = selectedName();
        if (!name.isEmpty())
            emit enterPressed(name);
    };
    view->onKeyMove = [this] { emit clicked(selectedName()); };
    view_ = view;
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
    connect(view_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit clicked(item->text()); });
    connect(view_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit doubleClicked(item->text()); });
}

void FileList::setFolder(const QString& folder)
{
    folder_ = QDir::cleanPath(resolvePath(toSlashes(folder)));
    fill(QString());
}

void FileList::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    fill(QString());
}

void FileList::refresh()
{
    fill(selectedName());
}

QString FileList::selectedName() const
{
    const int row = currentIndex();
    return row >= 0 ? names_.at(row) : QString();
}

int FileList::currentIndex() const
{
    const QListWidgetItem* item = view_->currentItem();
    return item && item->isSelected() ? view_->row(item) : -1;
}

void FileList::setCurrentIndex(int index)
{
    if (index < 0 || index >= count()) {
        view_->setCurrentRow(-1);
        view_->clearSelection();
        return;
    }
    view_->setCurrentRow(index);
}

void FileList::fill(const QString& keep)
{
    names_ = folder_.isEmpty() ? QStringList() : matchingFileNames(folder_, pattern_);
    view_->clear();
    view_->addItems(names_);
    setCurrentIndex(int(names_.indexOf(keep)));
}

QStringList matchingFileNames(const QString& folder, const QString& pattern)
{
    QDir dir(folder);
    dir.setNameFilters(pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    // Only what the editor can read is offered: a link to a device passes QDir's filter.
    QStringList names = dir.entryList();
    names.removeIf([&](const QString& name) { return !isRegularFile(dir.filePath(name)); });
    return names;
}
