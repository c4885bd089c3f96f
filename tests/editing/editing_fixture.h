#pragma once

#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QList>
#include <QVector>

#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A user who answers the editor's message boxes from a script (Yes, OK, or Discard for edits not
// validated, once it runs out) and
// remembers every message.
struct ScriptedDialogs : UserDialogs
{
    MessageAnswer ask(const UserMessage& message) override;
    // "title|text|buttons|icon" of the i-th message shown, to compare with `message`.
    std::string said(qsizetype i) const;

    QList<MessageAnswer> answers;
    QVector<UserMessage> shown;
};
std::string message(const QString& title, const QString& text, MessageButtons buttons, MessageIcon icon);

// The workspace as the editor holds it after start-up on a simulator folder.
Workspace startedOn(const QString& simFolder);
// Started on tests/data/editing/sim, with the bodies of the system Tiny: Terra (radius
// 6,000,000 m, atmosphere 100,000 m), its moon Luna (1,700,000 m, none), Rocky.
Workspace testWorkspace();

// Rows as the reader leaves them, with their list entries (and focus candidates for ships).
void appendStation(Workspace& ws, const StationRow& row);
void appendShip(Workspace& ws, const ShipRow& row);

// A station of Terra and ships of each status that pass every check.
StationRow station(const QString& name);
ShipRow orbiting(const QString& name);
ShipRow landed(const QString& name);
ShipRow docked(const QString& name, const QString& station);
