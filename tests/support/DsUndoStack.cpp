// The host's undo stack.
#include "tests/support/DsUndoStack.h"

#include <algorithm>

void DsUndoStack::begin(DWORD command) {
    if (depth_++ == 0) current_ = DsUndoEvent{command, {}};
}

void DsUndoStack::end() {
    if (depth_ == 0) return;
    if (--depth_ == 0) close();
}

void DsUndoStack::close() {
    for (DsUndoChange& c : current_.changes) c.after = read(c.id);
    if (!current_.changes.empty()) {
        done_.push_back(std::move(current_));
        undone_.clear();
    }
    current_ = DsUndoEvent{};
}

void DsUndoStack::beforeWrite(const GUID& id, bool grouped) {
    if (!grouped || depth_ == 0) {
        // A write of its own; an event still open elsewhere keeps its place.
        single_ = true;
        if (depth_ == 0) current_ = DsUndoEvent{};
    }
    const bool known = std::any_of(current_.changes.begin(), current_.changes.end(),
                                   [&](const DsUndoChange& c) { return c.id == id; });
    lastAdded_ = !known;
    if (!known) current_.changes.push_back(DsUndoChange{id, read(id), {}});
}

void DsUndoStack::afterWrite(const GUID& id, bool grouped, bool succeeded) {
    // A refused write changed nothing: its snapshot goes unless the
    // parameter was written before in the same event.
    if (!succeeded && lastAdded_ && !current_.changes.empty() && current_.changes.back().id == id)
        current_.changes.pop_back();
    lastAdded_ = false;
    if ((!grouped || depth_ == 0) && single_) {
        single_ = false;
        if (depth_ == 0) close();
    }
}

bool DsUndoStack::undo(std::vector<GUID>* restored) {
    if (done_.empty()) return false;
    DsUndoEvent e = std::move(done_.back());
    done_.pop_back();
    for (auto it = e.changes.rbegin(); it != e.changes.rend(); ++it) {
        apply(it->id, it->before);
        if (restored) restored->push_back(it->id);
    }
    undone_.push_back(std::move(e));
    return true;
}

bool DsUndoStack::redo(std::vector<GUID>* restored) {
    if (undone_.empty()) return false;
    DsUndoEvent e = std::move(undone_.back());
    undone_.pop_back();
    for (const DsUndoChange& c : e.changes) {
        apply(c.id, c.after);
        if (restored) restored->push_back(c.id);
    }
    done_.push_back(std::move(e));
    return true;
}

DsParamState DsUndoStack::read(const GUID& id) const {
    DsParamState s;
    if (!target_) return s;
    target_->GetValue(id, &s.value);
    uint32_t n = 0;
    if (SUCCEEDED(target_->GetKeyframeCount(id, &n)))
        for (uint32_t i = 0; i < n; ++i) {
            double t = 0, v = 0;
            if (SUCCEEDED(target_->GetKeyframe(id, i, &t, &v))) s.keys.emplace_back(t, v);
        }
    return s;
}

void DsUndoStack::apply(const GUID& id, const DsParamState& state) const {
    if (!target_) return;
    target_->SetValue(id, state.value);
    target_->ClearKeyframes(id);
    for (const auto& [t, v] : state.keys) target_->SetKeyframe(id, t, v);
}
