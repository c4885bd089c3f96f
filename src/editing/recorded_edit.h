#pragma once

#include "edit_history.h"
#include "workspace.h"

#include <optional>

// Edits of the workspace as steps of its history: a recording is started before an edit function
// changes the document and finished after it, and the difference becomes one step. Undo and
// redo put the document back or forward and rebuild what depends on it (trees, marks, the shown
// rows), without asking anything.

SystemState systemState(const Workspace& ws);

class EditRecording
{
public:
    explicit EditRecording(const Workspace& ws) : before_(ws.doc), system_(systemState(ws)) {}

    // Records what changed since the recording began as one step; nothing when nothing changed.
    void finish(Workspace& ws, const QString& text, EditTarget target, const QString& mergeKey = {}) const;

private:
    Scenario before_;
    SystemState system_;
};

// Undo and Redo of the last step (the next step); the place of the step, or none when there was
// nothing to undo (redo).
std::optional<EditTarget> undoEdit(Workspace& ws);
std::optional<EditTarget> redoEdit(Workspace& ws);
