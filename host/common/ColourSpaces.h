// ColourSpaces: the colour spaces of one OpenColorIO config, and the
// conversions between them that a host runs around the effect (a working
// space for grading) and in front of its viewer (a display transform).
//
// The config is the user's ($OCIO, or one named by the host's option or
// setting); with none, the one shipped with the programs
// (shippedColourConfig()), made of built-in transforms only.
//
// Conversions run on OpenColorIO's CPU processor in 32-bit float, over
// RGBA pixels in place, in bands on every processor.  Alpha is never
// touched.  A pixel holding a NaN or an infinity in any channel passes
// unconverted, all its channels as they were: the processor's matrices
// would otherwise spread the value over the pixel's other channels, and
// the effect's float path already has its own rules for such pixels.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/FnRegion.h"
#include "host/common/FrameImage.h"
#include "host/common/GradingSpace.h"

// One conversion of a config: from a colour space to another, or through a
// display and view.  Default-constructed, it changes nothing.
class SpaceConversion {
public:
    struct Processor;

    SpaceConversion();
    ~SpaceConversion();
    SpaceConversion(const SpaceConversion&);
    SpaceConversion& operator=(const SpaceConversion&);

    // True when it leaves every value as it is.
    bool isIdentity() const;
    // Converts RGBA pixels (4 floats each) in place.
    void apply(std::span<float> rgba) const;
    // The same over a float frame; frames of other depths are left alone.
    void apply(FrameImage& frame) const;
    // Only the pixels an effect renders: those of `region` (clipped to the
    // frame) on the rows of `fieldMode` (0 every row, 1 even, 2 odd rows).
    // The others keep their bits.
    void apply(FrameImage& frame, const FnRect& region, int32_t fieldMode) const;

private:
    friend class ColourSpaces;
    std::shared_ptr<const Processor> processor_;
};

// How a viewer shows scene values: through a display and a view of the
// config, after an exposure change (stops, applied in the scene-linear
// space) and before a gamma (applied to the display values, 1 = none).
struct ViewSettings {
    std::string inputSpace;  // empty: the scene_linear role
    std::string display;     // empty: the config's default
    std::string view;        // empty: the display's default
    double exposure = 0;
    double gamma = 1;
};

class ColourSpaces {
public:
    ColourSpaces();
    ~ColourSpaces();
    ColourSpaces(ColourSpaces&&) noexcept;
    ColourSpaces& operator=(ColourSpaces&&) noexcept;

    // Loads `path` when it is not empty, else the config $OCIO names, else
    // the shipped one.  False with an error naming the file.
    bool load(const std::string& path, std::string& error);
    bool loaded() const { return config_ != nullptr; }
    // The file the config came from.
    const std::string& file() const { return file_; }

    // Every colour space, scene and display-referred, in the config's order.
    std::vector<std::string> spaces() const;
    // The space a name stands for (a space, an alias or a role, matched as
    // the config matches them); empty when it names none.
    std::string resolve(const std::string& name) const;
    // The space of the scene_linear role; empty when the config has none.
    std::string sceneLinear() const;

    std::vector<std::string> displays() const;
    std::vector<std::string> views(const std::string& display) const;
    std::string defaultDisplay() const;
    std::string defaultView(const std::string& display) const;

    // A conversion between two spaces (names as resolve() takes them).
    // False with an error naming what the config lacks.
    bool conversion(const std::string& from, const std::string& to, SpaceConversion& out,
                    std::string& error) const;
    // The two conversions a look graded in `space` runs: from its input
    // space (empty: the scene_linear role) into its working space, and
    // back; none when it has no working space.
    bool gradingConversions(const GradingSpace& space, SpaceConversion& into, SpaceConversion& back,
                            std::string& error) const;
    // The conversion a viewer shows scene values through.
    bool viewConversion(const ViewSettings& view, SpaceConversion& out, std::string& error) const;

private:
    std::string unknownSpace(const std::string& name) const;

    struct Config;
    std::unique_ptr<Config> config_;
    std::string file_;
};
