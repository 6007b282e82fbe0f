// ParamDocument: the parameters being edited, as the editor keeps them and
// as the effect holds them.  Each parameter is a constant or a list of
// keyframes (ParamSetting, as a params file gives them); every change is
// written through to the effect at once, and the effect's own animation
// (GetValueAt) answers what a frame renders with.
//
// Edits are grouped into undo steps by brackets: everything written between
// beginEdit and the matching endEdit is one step, however many parameters
// and writes it holds.  A drag opens a bracket when it starts and closes it
// when it ends; a typed value is a bracket of its own.  Whatever writes
// parameters on the editor's behalf (property pages through their page
// host, for one) brackets its writes the same way and lands on the same
// stack.
//
// User-interface thread only.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>
#include <string>
#include <vector>

#include "host/common/GradingSpace.h"
#include "host/common/ModuleSession.h"
#include "host/common/ParamValues.h"

// One parameter's setting before and after an undo step.
struct ParamChange {
    size_t index;
    ParamSetting before, after;
};

// The grading space before and after an undo step that changed it.
struct SpaceChange {
    GradingSpace before, after;
};

// The undo stack as it can be kept outside the editor: each step's name and
// changes, the position (steps done) and the step count at which the
// parameters were last saved or opened (-1 when no position is).
struct ParamHistory {
    struct Step {
        QString label;
        std::vector<ParamChange> changes;
        std::optional<SpaceChange> space;
    };
    std::vector<Step> steps;
    int index = 0;
    int clean = 0;
};

class ParamDocument : public QObject {
    Q_OBJECT
public:
    // The session's effect must be open; every parameter starts at its
    // default.
    explicit ParamDocument(ModuleSession& session, QObject* parent = nullptr);

    const std::vector<ParamInfo>& params() const { return session_.params(); }
    size_t count() const { return settings_.size(); }
    const ParamSetting& setting(size_t index) const { return settings_[index]; }
    const std::vector<ParamSetting>& settings() const { return settings_; }
    // The value a frame at `time` renders with, as the effect tells it.
    double valueAt(size_t index, double time) const;
    bool hasKeys(size_t index) const { return !settings_[index].keys.empty(); }
    bool hasKeyAt(size_t index, double time) const;

    // Opens and closes an undo bracket (they nest; the outermost one makes
    // the step, named by its label, or by the parameters it changed when
    // the label is empty).  A bracket without changes makes none.
    void beginEdit(const QString& label);
    void endEdit();
    bool inEdit() const { return depth_ > 0; }

    // Sets the value seen at `time`: the key there when the parameter is
    // animated (added when there is none), else the constant.  Outside a
    // bracket the write is a step of its own.  False with a message when
    // the effect refuses it.
    bool setValue(size_t index, double value, double time, std::string* error = nullptr);
    // Adds a key at `time` holding the value seen there, or removes the key
    // there; the last key removed leaves that value constant.
    bool setKey(size_t index, double time, bool on, std::string* error = nullptr);
    // Replaces every parameter: the defaults, then `values` over them (a
    // params file), and the grading space.  One step.
    bool load(const ParamValues& values, const GradingSpace& space, const QString& label,
              std::string& error);

    // The undo stack as it stands.
    ParamHistory history() const;
    // Replaces every parameter with `current` (over the defaults), the
    // grading space with `space` and the undo stack with `history`, whose
    // steps lead to those settings: what an editor that ended without
    // closing kept.  No step of its own; false with the reason, and nothing
    // changed, when they do not fit the parameters.
    bool restore(const std::vector<ParamSetting>& current, const GradingSpace& space,
                 const ParamHistory& history, std::string& error);

    // The colour spaces the look is graded in, saved with it under the
    // host's key (GradingSpace.h).  Part of the look: a change is an undo
    // step (or part of the open bracket's), as a parameter's is.
    void setGradingSpace(const GradingSpace& space);
    const GradingSpace& gradingSpace() const { return grading_; }

    // The settings as a params file (every parameter, keys included, and
    // the grading space when there is one).
    std::string toJson() const;
    // Writes toJson() atomically and marks the document saved.
    bool save(const std::string& path, std::string& error);

    QUndoStack* undoStack() { return &undo_; }
    bool modified() const { return !undo_.isClean(); }

signals:
    // A parameter's setting changed (by an edit, an undo or a load).
    void changed(int index);
    // The grading space changed (the same ways).
    void gradingSpaceChanged();

private:
    class Step;
    friend class Step;
    using Change = ParamChange;

    // Writes a setting to the effect and the model; no undo record.
    bool put(const ParamSetting& s, std::string* error);
    // Every parameter at its default, `values` over them.
    std::vector<ParamSetting> overDefaults(const std::vector<ParamSetting>& values) const;
    // Writes every setting; on a refusal puts back what was there.  No
    // undo record.
    bool putAll(const std::vector<ParamSetting>& next, std::string& error);
    // Records the setting's state before a change in the open bracket.
    void remember(size_t index);
    // Sets the grading space; no undo record.
    void putSpace(const GradingSpace& space);

    ModuleSession& session_;
    std::vector<ParamSetting> settings_;
    QUndoStack undo_;
    int depth_ = 0;
    QString label_;
    std::vector<Change> pending_;
    // The grading space when the open bracket began, once it changes it.
    std::optional<GradingSpace> pendingSpace_;
    GradingSpace grading_;
};
