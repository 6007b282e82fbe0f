// GradingSpace: the colour spaces a look is graded in, which hosts keep in
// a parameters file beside the effect's values, under a key of their own
// ("colbalance"), so that a look saved in the editor renders with
// colbalance as it looked on screen:
//
//   {"Master Hue": 30, ..., "colbalance": {"workingSpace": "ACEScct",
//                                          "inputSpace": "ACEScg"}}
//
// The effect's parameter reader (ParamValues) passes over the key.
#pragma once

#include <string>

struct GradingSpace {
    // The space the effect works in; empty: none, the effect sees the
    // image's own values.
    std::string working;
    // The image's space; empty: the config's scene_linear role.
    std::string input;

    bool operator==(const GradingSpace&) const = default;
};

// The key of the host's own settings in a parameters file.
inline constexpr const char* kHostSettingsKey = "colbalance";

// The grading space of a parameters file's text: empty when it has no host
// key.  False with an error when the key is not an object of strings.
bool readGradingSpace(const std::string& jsonText, GradingSpace& out, std::string& error);
// The same from a file.
bool readGradingSpaceFile(const std::string& path, GradingSpace& out, std::string& error);
// A parameters file's text (a JSON object) with the host key set to `space`,
// or taken out when it is empty; the other keys keep their order.
std::string withGradingSpace(const std::string& jsonText, const GradingSpace& space);
