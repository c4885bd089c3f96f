#pragma once

#include "editing/find_entries.h"
#include "editing/workspace.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Find ship or station" (Edit menu, modeless): the stations and ships of the scenario whose name
// or class holds the typed text, listed by kind, name and class. Picking one asks the main window
// to show it in its tab, which settles the edits pending there first. The list is searched again
// whenever the window comes back to the front, so it follows the edits made meanwhile.
class FindWindow : public QDialog
{
    Q_OBJECT
public:
    FindWindow(const Workspace& ws, QWidget* parent);

    // Shows the window with the search text selected, ready to type another one.
    void showForSearch();
    // Searches the scenario again for the text as it stands.
    void search();

signals:
    void entryChosen(EntryKind kind, int row);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseCurrent();

    const Workspace& ws_;
    QVector<FoundEntry> found_;
    QLineEdit* text_ = nullptr;
    QTreeWidget* results_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* show_ = nullptr;
};
