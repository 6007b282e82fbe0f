// Parameter values given on the command line or in a params file, resolved
// against the parameters the module announces.
//
// A name is the one the host shows ("Master Hue", "Mask red channel."),
// matched exactly, case-insensitively, or as its lower-case hyphenated alias
// ("master-hue", "mask-red-channel").  Lists take their index or their text;
// check boxes take 0/1, on/off, true/false.  Non-finite numbers are refused.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct ParamInfo {
    std::string name;
    std::string description;
    enum class Kind { Number, Integer, Boolean } kind = Kind::Number;
    double defaultValue = 0;
    bool hasRange = false;
    double min = 0, max = 0;         // the property page's range
    std::vector<std::string> items;  // list texts, index = value
    bool animatable = false;
};

// One parameter's setting: a constant, or keyframes (time, value).
struct ParamSetting {
    size_t index = 0;
    double value = 0;
    std::vector<std::pair<double, double>> keys;
};

// Where a host's values come from: a params file (none when empty) and
// NAME=VALUE assignments, which win over it.
struct ParamSources {
    std::string file;
    std::vector<std::string> assignments;
};

class ParamValues {
public:
    explicit ParamValues(std::vector<ParamInfo> params) : params_(std::move(params)) {}

    // "NAME=VALUE"; false with a message in `error`.
    bool addAssignment(const std::string& text, std::string& error);
    // A JSON object of values and keyframe lists; `--set` given later wins.
    bool addJsonFile(const std::string& path, std::string& error);
    bool addJsonText(const std::string& text, std::string& error);
    // The file, then the assignments.
    bool addSources(const ParamSources& sources, std::string& error);

    const std::vector<ParamSetting>& settings() const { return settings_; }

    // Settings as the JSON object addJsonText reads back to the same values:
    // numbers as numbers (to the last bit), check boxes as true/false, lists
    // as their text, keyframes as [[time, value], ...].
    static std::string toJson(const std::vector<ParamInfo>& params,
                              const std::vector<ParamSetting>& settings);
    const std::vector<ParamInfo>& params() const { return params_; }

    std::optional<size_t> find(const std::string& name) const;
    std::optional<double> parseValue(const ParamInfo& p, const std::string& text) const;
    static std::string alias(const std::string& name);
    std::string validNames() const;

private:
    void set(ParamSetting s);

    std::vector<ParamInfo> params_;
    std::vector<ParamSetting> settings_;
};
