#include "host/common/GradingSpace.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "host/common/UserText.h"

namespace {

constexpr const char* kWorking = "workingSpace";
constexpr const char* kInput = "inputSpace";

}  // namespace

bool readGradingSpace(const std::string& jsonText, GradingSpace& out, std::string& error) {
    out = {};
    const auto doc = nlohmann::json::parse(jsonText, nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded() || !doc.is_object()) {
        error = "not a JSON object of parameter values";
        return false;
    }
    const auto host = doc.find(kHostSettingsKey);
    if (host == doc.end()) return true;
    const std::string wanted = quotedText(kHostSettingsKey) + " wants an object of " +
                               quotedText(kWorking) + " and " + quotedText(kInput) + " names";
    if (!host->is_object()) return (error = wanted), false;
    for (const auto& [name, value] : host->items()) {
        std::string* field = name == kWorking ? &out.working
                             : name == kInput ? &out.input
                                              : nullptr;
        if (!field || !value.is_string()) return (error = wanted), false;
        *field = value.get<std::string>();
    }
    return true;
}

bool readGradingSpaceFile(const std::string& path, GradingSpace& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return (error = "cannot read params file " + quotedText(path)), false;
    std::stringstream text;
    text << in.rdbuf();
    if (readGradingSpace(text.str(), out, error)) return true;
    error = path + ": " + error;
    return false;
}

std::string withGradingSpace(const std::string& jsonText, const GradingSpace& space) {
    auto doc = nlohmann::ordered_json::parse(jsonText, nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded() || !doc.is_object()) doc = nlohmann::ordered_json::object();
    doc.erase(kHostSettingsKey);
    if (!space.working.empty()) {
        nlohmann::ordered_json host = {{kWorking, space.working}};
        if (!space.input.empty()) host[kInput] = space.input;
        doc[kHostSettingsKey] = std::move(host);
    }
    return doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
