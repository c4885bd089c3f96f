#include "find_window.h"

#include "app_icon.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString foundCount(qsizetype found)
{
    return found == 1 ? QStringLiteral("1 found") : QString::number(found) + QStringLiteral(" found");
}

} // namespace

FindWindow::FindWindow(const Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws)
{
    setObjectName(QStringLiteral("FindWindow"));
    setModal(false);
    setWindowTitle(QStringLiteral("Find ship or station"));
    setWindowIcon(applicationIcon());

    text_ = new QLineEdit;
    text_->setObjectName(QStringLiteral("FindText"));
    text_->setPlaceholderText(QStringLiteral("Part of a name or class"));
    text_->setToolTip(QStringLiteral("Finds the stations and ships whose name or class holds this text, "
                                     "whatever its letter case"));
    text_->setClearButtonEnabled(true);

    results_ = new QTreeWidget;
    results_->setObjectName(QStringLiteral("FindResults"));
    results_->setColumnCount(3);
    results_->setHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Name"), QStringLiteral("Class")});
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->setAlternatingRowColors(true);
    results_->header()->setStretchLastSection(true);
    results_->setToolTip(QStringLiteral("Double click a station or ship to show it in its tab"));

    count_ = new QLabel;
    count_->setObjectName(QStringLiteral("FindCount"));
    show_ = new QPushButton(QStringLiteral("Show"));
    show_->setObjectName(QStringLiteral("FindShow"));
    show_->setToolTip(QStringLiteral("Shows the chosen station or ship in its tab"));
    show_->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("FindClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count_, 1);
    buttons->addWidget(show_);
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Name or class")));
    column->addWidget(text_);
    column->addWidget(results_, 1);
    column->addLayout(buttons);
    resize(520, 420);

    text_->installEventFilter(this);
    connect(text_, &QLineEdit::textChanged, this, &FindWindow::search);
    connect(results_, &QTreeWidget::itemActivated, this, &FindWindow::chooseCurrent);
    connect(show_, &QPushButton::clicked, this, &FindWindow::chooseCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    search();
}

void FindWindow::showForSearch()
{
    search();
    show();
    raise();
    activateWindow();
    text_->setFocus();
    text_->selectAll();
}

void FindWindow::search()
{
    // The entry chosen in the list stays chosen when it is found again.
    const int chosen = results_->indexOfTopLevelItem(results_->currentItem());
    const FoundEntry before = chosen >= 0 && chosen < found_.size() ? found_[chosen] : FoundEntry{};
    found_ = findEntries(ws_.doc, text_->text());
    results_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(found_.size());
    for (const FoundEntry& entry : found_)
        items.append(new QTreeWidgetItem({entryKindName(entry.kind), entry.name, entry.className}));
    results_->addTopLevelItems(items);
    if (!items.isEmpty())
        results_->setCurrentItem(items[std::max<qsizetype>(0, found_.indexOf(before))]);
    results_->resizeColumnToContents(0);
    count_->setText(foundCount(found_.size()));
    show_->setEnabled(!found_.isEmpty());
}

void FindWindow::chooseCurrent()
{
    const int index = results_->indexOfTopLevelItem(results_->currentItem());
    if (index < 0 || index >= found_.size())
        return;
    const FoundEntry entry = found_[index];
    // The scenario may have changed since the search: an entry that no longer stands at its row
    // is not shown, and the list is searched again instead.
    const QStringList& names = entry.kind == EntryKind::Station ? ws_.doc.stationNames : ws_.doc.shipNames;
    if (entry.row >= names.size() || names[entry.row] != entry.name) {
        search();
        return;
    }
    emit entryChosen(entry.kind, entry.row);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Up and Down in the search text move through the list, so the keyboard alone finds and shows.
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const int row =
                results_->indexOfTopLevelItem(results_->currentItem()) + (key == Qt::Key_Down ? 1 : -1);
            if (row >= 0 && row < results_->topLevelItemCount())
                results_->setCurrentItem(results_->topLevelItem(row));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        search();
    QDialog::changeEvent(event);
}
