#pragma once

#include "scenario_change.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The undo and redo history of the scenario being edited, and whether it differs from what was
// last read or saved. Each step holds only what its edit changed (see ScenarioChange); the
// history never holds a copy of the document.

// Where an edit happened, so that undoing it can show that place.
enum class EditTarget { Environment, Station, Ship };

// What was read with a planetary system: its place in the list and its bodies and bases.
struct SystemState
{
    int planetarySystemIndex = -1;
    int appliedSystemIndex = 0;
    QStringList bodies;
    QStringList baseTable;

    bool operator==(const SystemState&) const = default;
};

struct EditStep
{
    QString text; // "validate ship Nightjar": what Undo and Redo name
    EditTarget target = EditTarget::Environment;
    // Steps of the same non-empty key that follow one another merge into one (typing), until the
    // history is sealed.
    QString mergeKey;
    ScenarioChange change;
    bool systemChanged = false;
    SystemState systemBefore;
    SystemState systemAfter;
};

class EditHistory
{
public:
    // Adds a step after the current one; the steps that could be redone are dropped.
    void record(EditStep step);
    // Ends the merging of the last step: the next step is a step of its own.
    void seal() { sealed_ = true; }

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < steps_.size(); }
    // The step Undo (Redo) would take back (do again); empty text when there is none.
    QString undoText() const { return canUndo() ? steps_[index_ - 1].text : QString(); }
    QString redoText() const { return canRedo() ? steps_[index_].text : QString(); }
    // The step Undo (Redo) would take; null when there is none.
    const EditStep* stepToUndo() const { return canUndo() ? &steps_[index_ - 1] : nullptr; }
    const EditStep* stepToRedo() const { return canRedo() ? &steps_[index_] : nullptr; }
    // Moves one step back (forward) and returns the step to revert (apply); null when none.
    const EditStep* undo();
    const EditStep* redo();

    // A new document: no steps, not modified.
    void clear();
    // The document as it stands was saved: not modified here, modified anywhere else.
    void markClean();
    // The document differs from every saved state (recovered changes), whatever is undone.
    void markModified();
    bool isModified() const { return clean_ != index_; }
    qsizetype stepCount() const { return steps_.size(); }

    // Called after every change of the history (steps, position, clean state).
    void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    void changed() const
    {
        if (listener_)
            listener_();
    }

    QVector<EditStep> steps_;
    qsizetype index_ = 0;  // steps before it are done
    qsizetype clean_ = 0;  // index of the saved state; -1 when no step leads back to it
    bool sealed_ = true;
    std::function<void()> listener_;
};
