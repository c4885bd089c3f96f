#pragma once

#include "user_message.h"
#include "workspace.h"

// Whether a form holds values the user typed or chose that are not stored in its row: they differ
// from the form as the program last showed it (a row read, added, deleted, validated, or moved by
// undo). The lists' selections, which store nothing by themselves, do not count.
bool stationFormPending(const Workspace& ws);
bool shipFormPending(const Workspace& ws);

// The form back as the program last showed it.
void discardStationForm(Workspace& ws);
void discardShipForm(Workspace& ws);

// The form as it stands is the one the program shows: an edit of the user is what differs from
// it. Each edit remembers only the forms it showed anew, so that the other form keeps its
// pending edits.
void rememberShownStationForm(Workspace& ws);
void rememberShownShipForm(Workspace& ws);
void rememberShownForms(Workspace& ws);

// Asked before a row with pending edits is left: Validate, Discard or Cancel.
UserMessage pendingStationQuestion(const Workspace& ws);
UserMessage pendingShipQuestion(const Workspace& ws);
