#pragma once

#include <QObject>

class QComboBox;
class QCompleter;

// The list of names that opens under a name box as the user types: the box's entries holding
// the typed text anywhere, without regard to letter case, 20 rows at a time. Picking one tells
// its place in the box's list, and nothing else: the box does not go to the entry by itself, so
// that the tab shows the row through the same path as a pick in the box's own list, and keeps
// the row it shows when the user cancels.
class NameFilter : public QObject
{
    Q_OBJECT
public:
    explicit NameFilter(QComboBox* box);

    // The open list of names, for tests and screenshots.
    QCompleter* completer() const { return completer_; }

signals:
    // The entry at `row` of the box's list was picked from the filtered names.
    void picked(int row);

private:
    QCompleter* completer_;
    int pickedRow_ = -1;
};
