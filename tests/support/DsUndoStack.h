// DsUndoStack: the host's undo and redo of parameter edits.  An undo event
// holds, for every parameter written while it was open, the parameter as it
// was before the first write (value and keyframes) and as it was when the
// event closed; undo restores every "before", redo every "after".  A write
// outside an open event is an event of its own.  A new event drops what
// could be redone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/dssdk/DSEffect.h"

// A parameter as it stands: its current value and its keyframes.
struct DsParamState {
    double value = 0;
    std::vector<std::pair<double, double>> keys;
    bool operator==(const DsParamState&) const = default;
};

struct DsUndoChange {
    GUID id;
    DsParamState before, after;
};

struct DsUndoEvent {
    DWORD command = 0;  // the control the user worked, 0 for none
    std::vector<DsUndoChange> changes;
};

class DsUndoStack {
public:
    // The parameters the stack records and restores.
    void setTarget(IDSPropertyContainer* target) { target_ = ComPtr<IDSPropertyContainer>(target); }

    // Opens an event (or nests in the open one).
    void begin(DWORD command);
    // The outermost end closes the event; an event without changes is
    // dropped.
    void end();
    bool open() const { return depth_ > 0; }

    // Before a write of `id`: remembers the parameter in the open event
    // (`grouped`) or in a new event of its own.
    void beforeWrite(const GUID& id, bool grouped);
    // After it: closes the write's own event (a failed write leaves none).
    void afterWrite(const GUID& id, bool grouped, bool succeeded);

    // Restores the last event's "before" (or the next redo's "after");
    // `restored` receives the parameters put back.  False when there is
    // nothing to undo (redo).
    bool undo(std::vector<GUID>* restored);
    bool redo(std::vector<GUID>* restored);

    size_t undoCount() const { return done_.size(); }
    size_t redoCount() const { return undone_.size(); }
    // Event `index`, oldest first.
    const DsUndoEvent& event(size_t index) const { return done_[index]; }

    // A parameter's state, read from the target.
    DsParamState read(const GUID& id) const;
    void apply(const GUID& id, const DsParamState& state) const;

private:
    void close();

    ComPtr<IDSPropertyContainer> target_;
    std::vector<DsUndoEvent> done_, undone_;
    DsUndoEvent current_;
    int depth_ = 0;
    bool single_ = false;     // current_ belongs to one write
    bool lastAdded_ = false;  // the last beforeWrite added a change
};
