#pragma once

#include "editing/user_message.h"
#include "editing/workspace.h"

#include <QList>
#include <QString>
#include <QVector>

// The sample installation and its scenario with ships of every status: Nightjar orbiting
// Earth, "Ærø Clipper" docked at dock 2 of the Gateway station, Pathfinder landed on pad 2 of
// Cape Canaveral, Moonhopper on pad 1 of Tranquility; the stations Gateway (Earth) and Selene
// (Moon).
QString sampleFolder();
inline const QString kRendezvousScenario = QStringLiteral("Earth Orbit Rendezvous.scn");

// A workspace as the editor holds it after start-up on the simulator in `simFolder` and
// opening `scenario` (relative to its scenario folder).
void openWorkspace(Workspace& ws, const QString& simFolder, const QString& scenario);

// Answers every message box from a script and keeps what was shown. Without a scripted
// answer, Yes/No questions are answered Yes and the others OK.
class ScriptedDialogs : public UserDialogs
{
public:
    MessageAnswer ask(const UserMessage& message) override;

    QList<MessageAnswer> answers;
    QVector<UserMessage> shown;
};
