// The editor's recovery file: where it is, what it holds, how it is read.
#include "host/editor/RecoveryFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QLockFile>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/common/GradingSpace.h"
#include "host/common/OutputBatch.h"
#include "host/common/UserText.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

constexpr const char* kFormat = "colbalance-editor recovery";
constexpr int kVersion = 1;

// Settings as a params file writes them, as JSON.
Json settingsJson(const std::vector<ParamInfo>& params, const std::vector<ParamSetting>& s) {
    return Json::parse(ParamValues::toJson(params, s));
}

// A params-file object read back into settings; false with the reason.
bool readSettings(const std::vector<ParamInfo>& params, const Json& j,
                  std::vector<ParamSetting>& out, std::string& error) {
    if (!j.is_object()) {
        error = "parameters that are no JSON object";
        return false;
    }
    ParamValues values(params);
    if (!values.addJsonText(j.dump(), error)) return false;
    out = values.settings();
    return true;
}

// One parameter's setting from a one-key params-file object.
bool readSetting(const std::vector<ParamInfo>& params, const Json& j, ParamSetting& out,
                 std::string& error) {
    std::vector<ParamSetting> s;
    if (!readSettings(params, j, s, error)) return false;
    if (s.size() != 1) {
        error = "an undo change of other than one parameter";
        return false;
    }
    out = s.front();
    return true;
}

// A grading space as its host key's object ({} for none).
Json spaceJson(const GradingSpace& space) {
    const Json j = Json::parse(withGradingSpace("{}", space));
    return j.contains(kHostSettingsKey) ? j[kHostSettingsKey] : Json::object();
}

// A grading space from its host key's object; false with the reason.
bool readSpace(const Json& j, GradingSpace& out, std::string& error) {
    if (!j.is_object()) {
        error = "an undo step's working space is no JSON object";
        return false;
    }
    return readGradingSpace(Json{{kHostSettingsKey, j}}.dump(), out, error);
}

}  // namespace

std::string RecoveryFile::defaultFolder() {
    fs::path base;
    // Only an absolute XDG_STATE_HOME counts; a relative one is ignored, as
    // desktop programs ignore it.
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        base = state;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "state";
    else
        base = fs::temp_directory_path();
    return (base / "colbalance-editor").string();
}

std::string RecoveryFile::inputKey(const std::string& input) {
    std::error_code ec;
    const fs::path full = fs::absolute(input, ec);
    if (ec) return input;
    // The folder resolved (a pattern names no file of its own).
    const fs::path folder = fs::weakly_canonical(full.parent_path(), ec);
    return ((ec ? full.parent_path() : folder) / full.filename()).string();
}

RecoveryFile::RecoveryFile(const std::string& folder, const std::string& input)
    : folder_(folder), input_(inputKey(input)) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(input_), QCryptographicHash::Sha256);
    path_ = (fs::path(folder_) / ("recovery-" + hash.toHex().left(16).toStdString() + ".json"))
                .string();
}

RecoveryFile::~RecoveryFile() = default;

bool RecoveryFile::exists() const {
    std::error_code ec;
    return fs::exists(path_, ec);
}

bool RecoveryFile::lock(std::string& error) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    lock_ = std::make_unique<QLockFile>(QString::fromStdString(path_ + ".lock"));
    // Stale only when its editor is gone, never by age: an editor keeps an
    // input for as long as it likes.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return true;
    error = lock_->error() == QLockFile::LockFailedError
                ? "another colbalance-editor keeps the unsaved parameters of this input"
                : "the recovery folder " + quotedText(folder_) + " cannot be written" +
                      (ec ? " (" + ec.message() + ")" : "");
    lock_.reset();
    return false;
}

bool RecoveryFile::write(const std::vector<ParamInfo>& params, const RecoveryState& state,
                         std::string& error) const {
    Json steps = Json::array();
    for (const ParamHistory::Step& step : state.history.steps) {
        Json changes = Json::array();
        for (const ParamChange& c : step.changes)
            changes.push_back({{"before", settingsJson(params, {c.before})},
                               {"after", settingsJson(params, {c.after})}});
        Json record = {{"label", step.label.toStdString()}, {"changes", std::move(changes)}};
        if (step.space)
            record["space"] = {{"before", spaceJson(step.space->before)},
                               {"after", spaceJson(step.space->after)}};
        steps.push_back(std::move(record));
    }
    Json doc = {{"format", kFormat},
                {"version", kVersion},
                {"input", state.input},
                {"paramsFile", state.paramsFile},
                {"params", Json::parse(withGradingSpace(ParamValues::toJson(params, state.settings),
                                                        state.grading))},
                {"undo",
                 {{"index", state.history.index},
                  {"clean", state.history.clean},
                  {"steps", std::move(steps)}}}};
    std::error_code ec;
    fs::create_directories(folder_, ec);
    // The state folder is the user's own.
    if (!ec) fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace, ec);
    return writeTextFile(path_, doc.dump(1, '\t', false, Json::error_handler_t::replace) + "\n",
                         error);
}

bool RecoveryFile::read(const std::vector<ParamInfo>& params, RecoveryState& state,
                        std::string& error) const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        error = "it cannot be read";
        return false;
    }
    const Json doc = Json::parse(text.str(), nullptr, /*allow_exceptions=*/false);
    auto field = [&](const char* name) -> const Json* {
        if (!doc.is_object() || !doc.contains(name)) return nullptr;
        return &doc[name];
    };
    const Json *format = field("format"), *version = field("version"), *input = field("input"),
               *paramsFile = field("paramsFile"), *values = field("params"), *undo = field("undo");
    if (!format || *format != kFormat || !version || *version != kVersion) {
        error = "it is not a recovery file of this editor";
        return false;
    }
    if (!input || !input->is_string() || !paramsFile || !paramsFile->is_string() || !values ||
        !undo || !undo->is_object()) {
        error = "it is incomplete";
        return false;
    }
    if (input->get<std::string>() != input_) {
        error = "it keeps the work of another input, " + quotedText(input->get<std::string>());
        return false;
    }
    RecoveryState s;
    s.input = input_;
    s.paramsFile = paramsFile->get<std::string>();
    if (!readSettings(params, *values, s.settings, error) ||
        !readGradingSpace(values->dump(), s.grading, error))
        return false;
    const Json none;
    auto member = [&](const Json& object, const char* name) -> const Json& {
        return object.is_object() && object.contains(name) ? object[name] : none;
    };
    const Json &index = member(*undo, "index"), &clean = member(*undo, "clean"),
               &steps = member(*undo, "steps");
    if (!index.is_number_integer() || !clean.is_number_integer() || !steps.is_array()) {
        error = "its undo steps are incomplete";
        return false;
    }
    s.history.index = int(std::clamp<int64_t>(index.get<int64_t>(), -2, INT32_MAX));
    s.history.clean = int(std::clamp<int64_t>(clean.get<int64_t>(), -2, INT32_MAX));
    for (const Json& step : steps) {
        const Json &label = member(step, "label"), &changes = member(step, "changes");
        if (!label.is_string() || !changes.is_array()) {
            error = "an undo step is incomplete";
            return false;
        }
        ParamHistory::Step st;
        st.label = QString::fromStdString(label.get<std::string>());
        for (const Json& c : changes) {
            ParamChange change{};
            if (!readSetting(params, member(c, "before"), change.before, error) ||
                !readSetting(params, member(c, "after"), change.after, error))
                return false;
            if (change.before.index != change.after.index) {
                error = "an undo change names two parameters";
                return false;
            }
            change.index = change.after.index;
            st.changes.push_back(std::move(change));
        }
        if (const Json& space = member(step, "space"); !space.is_null()) {
            st.space.emplace();
            if (!readSpace(member(space, "before"), st.space->before, error) ||
                !readSpace(member(space, "after"), st.space->after, error))
                return false;
        }
        s.history.steps.push_back(std::move(st));
    }
    state = std::move(s);
    return true;
}

std::string RecoveryFile::setAside(std::string& error) const {
    const std::string stamp =
        QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmsszzz").toStdString();
    std::string aside = path_ + ".unreadable-" + stamp;
    std::error_code ec;
    for (int n = 2; fs::exists(aside, ec); ++n)
        aside = path_ + ".unreadable-" + stamp + "-" + std::to_string(n);
    fs::rename(path_, aside, ec);
    if (ec) {
        error = "cannot set " + quotedText(path_) + " aside: " + ec.message();
        return {};
    }
    return aside;
}

void RecoveryFile::remove() const {
    std::error_code ec;
    fs::remove(path_, ec);
}
