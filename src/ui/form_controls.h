#pragma once

#include "editing/user_message.h"

#include <QString>
#include <QStringList>

#include <functional>

class NameFilter;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The kinds of control the two editor tabs are made of, each created with its objectName and
// tooltip so that every control can be found by the name the editor's documents give it.

// A caption that shows a value of the form (a planet, a class, a level): framed like a
// read-only field, its text selectable.
QLabel* valueLabel(const QString& name, const QString& toolTip = {});
// A drop-down list sized for names of a dozen characters.
QComboBox* listBox(const QString& name, const QString& toolTip = {});
QPushButton* commandButton(const QString& name, const QString& caption, const QString& toolTip = {});
// A drop-down that opens as a scrolling list of `rows` rows below the box; styles that open a
// list of every entry over the box (a full-screen column of 60 minutes) are told not to.
void limitPopupRows(QComboBox* box, int rows);
QGroupBox* frame(const QString& name, const QString& title);
// A short note beside a control that tells what the next validation will do with what was
// typed there; hidden while it has nothing to tell.
QLabel* noteLabel(const QString& name);
// Keeps a small tool window at least as wide as its title (in a bold title font) with the room
// a title bar takes for its icon and buttons, so that the title is not cut short; called after
// the title and the window's layout are set.
void widenToTitle(QWidget* window);

// A form's validation button stands out (bold, the default button) while the form holds edits
// that are not validated yet.
void showValidationPending(QPushButton* button, bool pending);
// Before a form with such edits is left: `question` with Validate (`validate` returns whether the
// form was stored), Discard (`discard`) or Cancel. Whether to go on.
bool settlePendingEdits(UserDialogs& dialogs, const UserMessage& question, const std::function<bool()>& validate,
                        const std::function<void()>& discard);

// Shows `entries` in a list and selects entry `selected`, or none when it is out of range. Only
// the entries that differ from those the list shows are replaced: with thousands of ships,
// refilling every list at every click is what the user waits for. Callers block the list's
// signals: a change of entries emits selection changes of its own. Returns whether the entries
// changed.
bool showEntries(QComboBox* box, const QStringList& entries, int selected);

// Makes a list hold its entries as one list of texts, shared with the list it was filled from,
// instead of an item object per entry: a list of 16,000 ships took 3 MB in items. For the lists
// that grow with the scenario.
void holdEntriesAsTexts(QComboBox* box);
// Turns an editable list into the name box of an editor: entries change only through
// validation, so typed text is a new name, never a new entry; the typed text also filters the
// names (see NameFilter), whose picks the tab shows. Both lists show 20 rows.
NameFilter* makeNameBox(QComboBox* box);
