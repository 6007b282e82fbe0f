// The host's own dialog controls, as pages meet them.
//
// A dialog template names a host control with a static whose text is
// "Label;class=NAME;key=value;...", for example
// "Master Hue;class=dsnewnumberctrl;min=-720;max=720".  The page base
// replaces each such static with a window of the host's class (registered
// by the host for every instance), keeping its id and rectangle.  The
// control answers COM interfaces through its window property "DSCTLIFACE"
// and tells the dialog of user edits with the registered messages below
// (wParam: the control id, lParam: the control's window).
#pragma once

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/com/Unknown.h"
#include "platform/dssdk/DSPropertyPage.h"

inline constexpr const char* DS_CONTROL_INTERFACE_PROP = "DSCTLIFACE";
inline constexpr const char* DS_NUMBER_CONTROL_CLASS = "dsnewnumberctrl";

// The user committed a value (typed, or the last step of a scrub).
inline constexpr const WCHAR* DSCTLNOTIFY_NAME = u"DSCTLNOTIFY";
// A scrub ended.
inline constexpr const WCHAR* DSCTLNOTIFYCOMP_NAME = u"DSCTLNOTIFYCOMP";
// A scrub step changed the value.
inline constexpr const WCHAR* DSCTLSCRUB_NAME = u"DSCTLSCRUB";
// The control asks for its tool tip: lParam points at a DSCTLTOOLTIP
// record; the answer is non-zero when it was filled.
inline constexpr const WCHAR* DSCTLTOOLTIP_NAME = u"DSCTLTOOLTIP";

struct DSCTLTOOLTIP {
    HWND control;
    char text[256];
};

// The four message numbers, registered when made.
struct DSControlMessages {
    UINT notify, notifyComp, scrub, toolTip;
    DSControlMessages()
        : notify(RegisterWindowMessageW(DSCTLNOTIFY_NAME)),
          notifyComp(RegisterWindowMessageW(DSCTLNOTIFYCOMP_NAME)),
          scrub(RegisterWindowMessageW(DSCTLSCRUB_NAME)),
          toolTip(RegisterWindowMessageW(DSCTLTOOLTIP_NAME)) {}
};

// The range a control's user edits keep to.  Both bounds VT_R8; min above
// max or a bound that is not finite: E_INVALIDARG.
inline constexpr IID IID_IDSControlRange = "{8AE0F6B1-81D4-11CF-9218-00A024079957}"_guid;
class IDSControlRange : public IUnknown {
public:
    virtual HRESULT SetRange(const DSVARIANT* minimum, const DSVARIANT* maximum) = 0;
    virtual HRESULT GetRange(DSVARIANT* minimum, DSVARIANT* maximum) = 0;

protected:
    ~IDSControlRange() = default;
};

// The value a control shows.  SetValue shows what it is given (outside the
// range too) and tells nobody; a value that is not finite: E_INVALIDARG.
inline constexpr IID IID_IDSControlValue = "{1F0D4C7A-9E32-4B85-8A61-3C2D7B9E0F14}"_guid;
class IDSControlValue : public IUnknown {
public:
    virtual HRESULT SetValue(const DSVARIANT* value) = 0;
    virtual HRESULT GetValue(DSVARIANT* value) = 0;

protected:
    ~IDSControlValue() = default;
};

// A control text split into its label and its settings.
struct DSControlText {
    std::string label;
    std::string className;  // empty: no host control
    bool hasMin = false, hasMax = false;
    double min = 0, max = 0;
};

inline DSControlText DSParseControlText(std::string_view text) {
    DSControlText out;
    size_t at = text.find(';');
    out.label = std::string(text.substr(0, at));
    while (at != std::string_view::npos) {
        const size_t next = text.find(';', at + 1);
        const std::string_view field = text.substr(
            at + 1, next == std::string_view::npos ? std::string_view::npos : next - at - 1);
        const size_t eq = field.find('=');
        if (eq != std::string_view::npos) {
            const std::string key(field.substr(0, eq));
            const std::string value(field.substr(eq + 1));
            char* end = nullptr;
            if (key == "class") {
                out.className = value;
            } else if (key == "min" || key == "max") {
                const double v = std::strtod(value.c_str(), &end);
                if (end && end != value.c_str() && *end == '\0' && std::isfinite(v)) {
                    (key == "min" ? out.min : out.max) = v;
                    (key == "min" ? out.hasMin : out.hasMax) = true;
                }
            }
        }
        at = next;
    }
    return out;
}
