// The parameters being edited, their effect and their undo steps.
#include "host/editor/ParamDocument.h"

#include <QStringList>
#include <QUndoCommand>

#include <algorithm>
#include <cmath>

#include "host/common/OutputBatch.h"

namespace {

// Two settings alike, key by key.
bool same(const ParamSetting& a, const ParamSetting& b) {
    return a.value == b.value && a.keys == b.keys;
}

// Keys closer than this are at the same time (frames are whole numbers).
constexpr double kSameTime = 1e-6;

}  // namespace

// One undo step: the settings before and after every parameter it touched.
// and of the grading space when it changed.
class ParamDocument::Step final : public QUndoCommand {
public:
    Step(ParamDocument& doc, const QString& label, std::vector<Change> changes,
         std::optional<SpaceChange> space)
        : QUndoCommand(label), doc_(doc), changes_(std::move(changes)), space_(std::move(space)) {}
    // The changes are in force when the step is pushed.
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        for (const Change& c : changes_) doc_.put(c.after, nullptr);
        if (space_) doc_.putSpace(space_->after);
    }
    void undo() override {
        for (auto it = changes_.rbegin(); it != changes_.rend(); ++it)
            doc_.put(it->before, nullptr);
        if (space_) doc_.putSpace(space_->before);
    }
    const std::vector<Change>& changes() const { return changes_; }
    const std::optional<SpaceChange>& space() const { return space_; }

private:
    ParamDocument& doc_;
    std::vector<Change> changes_;
    std::optional<SpaceChange> space_;
    bool first_ = true;
};

ParamDocument::ParamDocument(ModuleSession& session, QObject* parent)
    : QObject(parent), session_(session) {
    const auto& p = session_.params();
    settings_.resize(p.size());
    for (size_t i = 0; i < p.size(); ++i) settings_[i] = {i, p[i].defaultValue, {}};
}

double ParamDocument::valueAt(size_t index, double time) const {
    double v = settings_[index].value;
    session_.valueAt(session_.paramId(index), time, v);
    return v;
}

bool ParamDocument::hasKeyAt(size_t index, double time) const {
    for (const auto& k : settings_[index].keys)
        if (std::fabs(k.first - time) < kSameTime) return true;
    return false;
}

void ParamDocument::beginEdit(const QString& label) {
    if (depth_++ == 0) {
        label_ = label;
        pending_.clear();
        pendingSpace_.reset();
    }
}

void ParamDocument::endEdit() {
    if (depth_ == 0 || --depth_ > 0) return;
    std::vector<Change> changes;
    for (Change& c : pending_) {
        c.after = settings_[c.index];
        if (!same(c.before, c.after)) changes.push_back(std::move(c));
    }
    pending_.clear();
    std::optional<SpaceChange> space;
    if (pendingSpace_ && *pendingSpace_ != grading_) space = SpaceChange{*pendingSpace_, grading_};
    pendingSpace_.reset();
    if (changes.empty() && !space) return;
    QString label = label_;
    if (label.isEmpty() && changes.empty()) {
        label = "Change Working Space";
    } else if (label.isEmpty()) {
        // A bracket that came without a name (a page's own) is named by
        // what it changed.
        QStringList names;
        for (const Change& c : changes) names << QString::fromStdString(params()[c.index].name);
        label = "Change " + (names.size() <= 2 ? names.join(" and ")
                                               : names.first() + " and " +
                                                     QString::number(names.size() - 1) + " more");
    }
    undo_.push(new Step(*this, label, std::move(changes), std::move(space)));
}

void ParamDocument::setGradingSpace(const GradingSpace& space) {
    beginEdit("Change Working Space");
    if (!pendingSpace_) pendingSpace_ = grading_;
    putSpace(space);
    endEdit();
}

void ParamDocument::putSpace(const GradingSpace& space) {
    if (space == grading_) return;
    grading_ = space;
    emit gradingSpaceChanged();
}

void ParamDocument::remember(size_t index) {
    for (const Change& c : pending_)
        if (c.index == index) return;
    pending_.push_back({index, settings_[index], {}});
}

bool ParamDocument::put(const ParamSetting& s, std::string* error) {
    std::string why;
    if (!session_.applySetting(s, why)) {
        if (error) *error = why;
        // The effect keeps what it had: write the model's setting back.
        session_.applySetting(settings_[s.index], why);
        return false;
    }
    const bool differs = !same(settings_[s.index], s);
    settings_[s.index] = s;
    if (differs) emit changed(int(s.index));
    return true;
}

bool ParamDocument::setValue(size_t index, double value, double time, std::string* error) {
    if (index >= settings_.size() || !std::isfinite(value)) {
        if (error) *error = "not a value for this parameter";
        return false;
    }
    beginEdit(QString::fromStdString("Change " + params()[index].name));
    remember(index);
    ParamSetting s = settings_[index];
    if (s.keys.empty()) {
        s.value = value;
    } else {
        auto it = std::find_if(s.keys.begin(), s.keys.end(), [&](const auto& k) {
            return std::fabs(k.first - time) < kSameTime;
        });
        if (it != s.keys.end())
            it->second = value;
        else
            s.keys.insert(
                std::upper_bound(s.keys.begin(), s.keys.end(), std::make_pair(time, value),
                                 [](const auto& a, const auto& b) { return a.first < b.first; }),
                {time, value});
        s.value = s.keys.front().second;
    }
    const bool ok = put(s, error);
    endEdit();
    return ok;
}

bool ParamDocument::setKey(size_t index, double time, bool on, std::string* error) {
    if (index >= settings_.size() || !params()[index].animatable) {
        if (error) *error = "this parameter cannot be animated";
        return false;
    }
    if (on == hasKeyAt(index, time)) return true;
    const double seen = valueAt(index, time);
    beginEdit(QString::fromStdString((on ? "Key " : "Remove key of ") + params()[index].name));
    remember(index);
    ParamSetting s = settings_[index];
    if (on) {
        s.keys.insert(
            std::upper_bound(s.keys.begin(), s.keys.end(), std::make_pair(time, seen),
                             [](const auto& a, const auto& b) { return a.first < b.first; }),
            {time, seen});
    } else {
        std::erase_if(s.keys, [&](const auto& k) { return std::fabs(k.first - time) < kSameTime; });
    }
    s.value = s.keys.empty() ? seen : s.keys.front().second;
    const bool ok = put(s, error);
    endEdit();
    return ok;
}

std::vector<ParamSetting> ParamDocument::overDefaults(
    const std::vector<ParamSetting>& values) const {
    std::vector<ParamSetting> next(settings_.size());
    for (size_t i = 0; i < next.size(); ++i) next[i] = {i, params()[i].defaultValue, {}};
    for (const ParamSetting& s : values)
        if (s.index < next.size()) next[s.index] = s;
    return next;
}

bool ParamDocument::load(const ParamValues& values, const GradingSpace& space, const QString& label,
                         std::string& error) {
    const std::vector<ParamSetting> next = overDefaults(values.settings());
    beginEdit(label);
    bool ok = true;
    for (const ParamSetting& s : next) {
        remember(s.index);
        if (!put(s, &error)) {
            ok = false;
            break;
        }
    }
    if (!ok) {
        // Nothing half-loaded: every parameter goes back.
        for (const Change& c : pending_) put(c.before, nullptr);
        pending_.clear();
    } else {
        setGradingSpace(space);
    }
    endEdit();
    return ok;
}

ParamHistory ParamDocument::history() const {
    ParamHistory h;
    // Every command on the stack is a Step: nothing else is pushed.
    for (int i = 0; i < undo_.count(); ++i) {
        const auto* step = static_cast<const Step*>(undo_.command(i));
        h.steps.push_back({step->text(), step->changes(), step->space()});
    }
    h.index = undo_.index();
    h.clean = undo_.cleanIndex();
    return h;
}

bool ParamDocument::putAll(const std::vector<ParamSetting>& next, std::string& error) {
    const std::vector<ParamSetting> before = settings_;
    for (const ParamSetting& s : next)
        if (!put(s, &error)) {
            for (const ParamSetting& b : before) put(b, nullptr);
            return false;
        }
    return true;
}

bool ParamDocument::restore(const std::vector<ParamSetting>& current, const GradingSpace& space,
                            const ParamHistory& history, std::string& error) {
    const int count = int(history.steps.size());
    if (history.index < 0 || history.index > count || history.clean < -1 || history.clean > count) {
        error = "the undo position lies outside its steps";
        return false;
    }
    for (const ParamHistory::Step& step : history.steps)
        for (const Change& c : step.changes)
            if (c.index >= settings_.size() || c.before.index != c.index ||
                c.after.index != c.index) {
                error = "an undo step names no parameter of the effect";
                return false;
            }
    if (depth_ > 0) {
        error = "an edit is in progress";
        return false;
    }
    if (!putAll(overDefaults(current), error)) return false;
    putSpace(space);
    // The steps are pushed as done (a step's first redo does nothing), then
    // the ones past the position are undone, which leaves every parameter
    // they touch as it was at the position: the settings restored above.
    undo_.clear();
    for (int i = 0; i < count; ++i) {
        if (i == history.clean) undo_.setClean();
        const ParamHistory::Step& step = history.steps[size_t(i)];
        undo_.push(new Step(*this, step.label, step.changes, step.space));
    }
    if (history.clean == count)
        undo_.setClean();
    else if (history.clean < 0)
        undo_.resetClean();
    undo_.setIndex(history.index);
    return true;
}

std::string ParamDocument::toJson() const {
    return withGradingSpace(ParamValues::toJson(params(), settings_), grading_);
}

bool ParamDocument::save(const std::string& path, std::string& error) {
    if (!writeTextFile(path, toJson(), error)) return false;
    undo_.setClean();
    return true;
}
