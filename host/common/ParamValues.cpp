#include "host/common/ParamValues.h"

#include "host/common/GradingSpace.h"
#include "host/common/UserText.h"
#include "effect/ColBalanceParams.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::optional<double> parseNumber(const std::string& text) {
    const std::string t = trim(text);
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(t.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

std::string ParamValues::alias(const std::string& name) { return fnAliasOf(name); }

std::optional<size_t> ParamValues::find(const std::string& name) const {
    const std::string n = trim(name);
    for (size_t i = 0; i < params_.size(); ++i)
        if (params_[i].name == n) return i;
    for (size_t i = 0; i < params_.size(); ++i)
        if (lower(params_[i].name) == lower(n) || alias(params_[i].name) == lower(n)) return i;
    return std::nullopt;
}

std::optional<double> ParamValues::parseValue(const ParamInfo& p, const std::string& text) const {
    const std::string t = lower(trim(text));
    if (!p.items.empty()) {
        for (size_t i = 0; i < p.items.size(); ++i)
            if (lower(p.items[i]) == t) return double(i);
        const auto v = parseNumber(t);
        if (v && *v == std::floor(*v) && *v >= 0 && *v < double(p.items.size())) return v;
        return std::nullopt;
    }
    if (p.kind == ParamInfo::Kind::Boolean) {
        if (t == "on" || t == "true" || t == "yes") return 1.0;
        if (t == "off" || t == "false" || t == "no") return 0.0;
    }
    const auto v = parseNumber(t);
    if (!v) return std::nullopt;
    if (p.kind != ParamInfo::Kind::Number) {
        if (*v != std::floor(*v) || std::fabs(*v) > 2147483647.0) return std::nullopt;
    }
    return v;
}

// One line, so that an error stays one line.
std::string ParamValues::validNames() const {
    std::string s = "valid names:";
    for (size_t i = 0; i < params_.size(); ++i) s += (i ? ", \"" : " \"") + params_[i].name + "\"";
    if (!params_.empty())
        s += " (or lower-case and hyphenated, e.g. " + alias(params_[0].name) + ")";
    return s;
}

void ParamValues::set(ParamSetting s) {
    auto it = std::find_if(settings_.begin(), settings_.end(),
                           [&](const ParamSetting& o) { return o.index == s.index; });
    if (it != settings_.end())
        *it = std::move(s);
    else
        settings_.push_back(std::move(s));
}

bool ParamValues::addAssignment(const std::string& text, std::string& error) {
    const auto eq = text.find('=');
    if (eq == std::string::npos) {
        error = "expected NAME=VALUE, got " + quotedText(text) + "; " + validNames();
        return false;
    }
    const std::string name = text.substr(0, eq), value = text.substr(eq + 1);
    const auto idx = find(name);
    if (!idx) {
        error = "unknown parameter " + quotedText(trim(name)) + "; " + validNames();
        return false;
    }
    const auto v = parseValue(params_[*idx], value);
    if (!v) {
        const ParamInfo& p = params_[*idx];
        error = "bad value " + quotedText(trim(value)) + " for \"" + p.name + "\"";
        if (!p.items.empty()) {
            error += " (one of:";
            for (size_t i = 0; i < p.items.size(); ++i)
                error += " " + std::to_string(i) + "=" + p.items[i];
            error += ")";
        } else {
            error += p.kind == ParamInfo::Kind::Number ? " (a finite number)" : " (an integer)";
        }
        error += "; " + validNames();
        return false;
    }
    set({*idx, *v, {}});
    return true;
}

bool ParamValues::addJsonFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read params file " + quotedText(path);
        return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    if (!addJsonText(ss.str(), error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool ParamValues::addSources(const ParamSources& sources, std::string& error) {
    if (!sources.file.empty() && !addJsonFile(sources.file, error)) return false;
    for (const std::string& a : sources.assignments)
        if (!addAssignment(a, error)) return false;
    return true;
}

bool ParamValues::addJsonText(const std::string& text, std::string& error) {
    const nlohmann::json doc = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded() || !doc.is_object()) {
        error = "not a JSON object of parameter values";
        return false;
    }
    // A JSON value as the text a user would type for it.
    auto valueOf = [&](const ParamInfo& p, const nlohmann::json& j) -> std::optional<double> {
        if (j.is_boolean()) return parseValue(p, j.get<bool>() ? "1" : "0");
        if (j.is_number()) {
            const double d = j.get<double>();
            if (!std::isfinite(d)) return std::nullopt;
            std::ostringstream os;
            os.precision(17);
            os << d;
            return parseValue(p, os.str());
        }
        if (j.is_string()) return parseValue(p, j.get<std::string>());
        return std::nullopt;
    };
    for (const auto& [name, j] : doc.items()) {
        if (name == kHostSettingsKey) continue;  // the host's own (GradingSpace.h)
        const auto idx = find(name);
        if (!idx) {
            error = "unknown parameter " + quotedText(name) + "; " + validNames();
            return false;
        }
        const ParamInfo& p = params_[*idx];
        ParamSetting s{*idx, 0, {}};
        if (j.is_array()) {
            if (j.empty()) {
                error = quotedText(name) + ": empty keyframe list";
                return false;
            }
            for (const auto& k : j) {
                std::optional<double> v;
                if (k.is_array() && k.size() == 2 && k[0].is_number()) v = valueOf(p, k[1]);
                const double t = v ? k[0].get<double>() : 0.0;
                if (!v || !std::isfinite(t)) {
                    error = quotedText(name) +
                            ": keyframes must be [time, value] pairs of finite numbers";
                    return false;
                }
                s.keys.emplace_back(t, *v);
            }
            std::stable_sort(s.keys.begin(), s.keys.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            s.value = s.keys.front().second;
        } else {
            const auto v = valueOf(p, j);
            if (!v) {
                error = "bad value for " + quotedText(name);
                return false;
            }
            s.value = *v;
        }
        set(std::move(s));
    }
    return true;
}

std::string ParamValues::toJson(const std::vector<ParamInfo>& params,
                                const std::vector<ParamSetting>& settings) {
    // Keys keep the parameters' order, so that a saved file reads like the
    // parameter list.
    nlohmann::ordered_json doc = nlohmann::ordered_json::object();
    auto valueOf = [](const ParamInfo& p, double v) -> nlohmann::ordered_json {
        if (!p.items.empty() && v >= 0 && v < double(p.items.size()) && v == std::floor(v))
            return p.items[size_t(v)];
        if (p.kind == ParamInfo::Kind::Boolean && (v == 0 || v == 1)) return v != 0;
        if (p.kind != ParamInfo::Kind::Number) return int64_t(v);
        return v;
    };
    for (const ParamSetting& s : settings) {
        if (s.index >= params.size()) continue;
        const ParamInfo& p = params[s.index];
        if (s.keys.empty()) {
            doc[p.name] = valueOf(p, s.value);
            continue;
        }
        nlohmann::ordered_json keys = nlohmann::ordered_json::array();
        for (const auto& [t, v] : s.keys) keys.push_back({t, valueOf(p, v)});
        doc[p.name] = std::move(keys);
    }
    return doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
