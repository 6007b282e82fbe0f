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
class ParamDocument::Step final : public QUndoCommand {
public:
    Step(ParamDocument& doc, const QString& label, std::vector<Change> changes)
        : QUndoCommand(label), doc_(doc), changes_(std::move(changes)) {}
    // The changes are in force when the step is pushed.
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        for (const Change& c : changes_) doc_.put(c.after, nullptr);
    }
    void undo() override {
        for (auto it = changes_.rbegin(); it != changes_.rend(); ++it)
            doc_.put(it->before, nullptr);
    }

private:
    ParamDocument& doc_;
    std::vector<Change> changes_;
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
    if (changes.empty()) return;
    QString label = label_;
    if (label.isEmpty()) {
        // A bracket that came without a name (a page's own) is named by
        // what it changed.
        QStringList names;
        for (const Change& c : changes) names << QString::fromStdString(params()[c.index].name);
        label = "Change " + (names.size() <= 2 ? names.join(" and ")
                                               : names.first() + " and " +
                                                     QString::number(names.size() - 1) + " more");
    }
    undo_.push(new Step(*this, label, std::move(changes)));
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

bool ParamDocument::load(const ParamValues& values, const QString& label, std::string& error) {
    std::vector<ParamSetting> next(settings_.size());
    for (size_t i = 0; i < next.size(); ++i) next[i] = {i, params()[i].defaultValue, {}};
    for (const ParamSetting& s : values.settings())
        if (s.index < next.size()) next[s.index] = s;
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
    }
    endEdit();
    return ok;
}

std::string ParamDocument::toJson() const { return ParamValues::toJson(params(), settings_); }

bool ParamDocument::save(const std::string& path, std::string& error) {
    if (!writeTextFile(path, toJson(), error)) return false;
    undo_.setClean();
    return true;
}
