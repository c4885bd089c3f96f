#include "edit_history.h"

namespace {

bool valuesOnly(const EditStep& step)
{
    const ScenarioChange& change = step.change;
    return !step.systemChanged && !change.touchesStations() && !change.touchesShips();
}

} // namespace

void EditHistory::record(EditStep step)
{
    if (step.change.isEmpty() && !step.systemChanged)
        return;
    if (clean_ > index_)
        clean_ = -1;
    steps_.resize(index_);
    // Typing goes on in the step it began, as long as that step is not the saved state.
    const bool merge = !sealed_ && index_ > 0 && clean_ != index_ && !step.mergeKey.isEmpty() &&
                       steps_.last().mergeKey == step.mergeKey && valuesOnly(step) && valuesOnly(steps_.last());
    if (merge) {
        ScenarioChange& last = steps_.last().change;
        last.valuesAfter = step.change.valuesAfter;
        last.valuesChanged = !(last.valuesBefore == last.valuesAfter);
        if (!last.valuesChanged) {
            steps_.removeLast();
            --index_;
        }
    } else {
        steps_.append(std::move(step));
        ++index_;
    }
    sealed_ = false;
    changed();
}

const EditStep* EditHistory::undo()
{
    if (!canUndo())
        return nullptr;
    sealed_ = true;
    --index_;
    changed();
    return &steps_[index_];
}

const EditStep* EditHistory::redo()
{
    if (!canRedo())
        return nullptr;
    sealed_ = true;
    ++index_;
    changed();
    return &steps_[index_ - 1];
}

void EditHistory::clear()
{
    steps_.clear();
    index_ = 0;
    clean_ = 0;
    sealed_ = true;
    changed();
}

void EditHistory::markClean()
{
    clean_ = index_;
    sealed_ = true;
    changed();
}

void EditHistory::markModified()
{
    clean_ = -1;
    changed();
}
