#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QCompleter;
class QLineEdit;

// The list of names that opens under a name box as the user types: the box's entries holding
// the typed text anywhere, without regard to letter case, 20 rows at a time. Picking one tells
// its place in the box's list, and nothing else: the box does not go to the entry by itself, so
// that the tab shows the row through the same path as a pick in the box's own list, and keeps
// the row it shows when the user cancels. The pick is told once the completer is done with it
// (from the event loop), since the line edit takes the picked name as its text last.
class NameFilter : public QObject
{
    Q_OBJECT
public:
    explicit NameFilter(QComboBox* box);

signals:
    // The entry at `row` of the box's list was picked from the filtered names.
    void picked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    QCompleter* completer_;
    QString typed_;       // the box's text as the user last typed it
    QString highlighted_; // the name the arrow keys last wrote into the box since
    bool picked_ = false; // a name was picked since
};
