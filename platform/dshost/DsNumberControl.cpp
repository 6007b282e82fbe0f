// The host's number control: typing, scrubbing and its COM face.
#include "platform/dshost/DsNumberControl.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "platform/com/ComObject.h"
#include "platform/dssdk/DSControls.h"
#include "platform/window/FnControlState.h"

namespace {

const DSControlMessages kMessages;
int gInstanceTag = 0;  // the host's instance: its address

struct Scrub {
    bool pressed = false;
    LONG startX = 0;
    double startValue = 0;
};

// The control's COM face; it holds its window until the window goes.
class NumberControl final : public ComObject<IDSControlRange, IDSControlValue> {
public:
    explicit NumberControl(HWND window) : window_(window) {}

    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDSControlRange)
            return Answer(static_cast<IDSControlRange*>(this), out);
        if (iid == IID_IDSControlValue) return Answer(static_cast<IDSControlValue*>(this), out);
        return E_NOINTERFACE;
    }
    HRESULT SetRange(const DSVARIANT* minimum, const DSVARIANT* maximum) override {
        if (!minimum || !maximum) return E_POINTER;
        const double lo = DSVariantNumber(*minimum), hi = DSVariantNumber(*maximum);
        if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi) return E_INVALIDARG;
        if (!window_) return E_UNEXPECTED;
        FnUpdateControl(window_, [&](FnControlState& c) {
            c.minimum = lo;
            c.maximum = hi;
        });
        return S_OK;
    }
    HRESULT GetRange(DSVARIANT* minimum, DSVARIANT* maximum) override {
        if (!minimum || !maximum) return E_POINTER;
        if (!window_) return E_UNEXPECTED;
        const FnControlState c = FnGetControlState(window_);
        *minimum = DSVariantDouble(c.minimum);
        *maximum = DSVariantDouble(c.maximum);
        return S_OK;
    }
    HRESULT SetValue(const DSVARIANT* value) override {
        if (!value) return E_POINTER;
        const double v = DSVariantNumber(*value);
        if (!std::isfinite(v)) return E_INVALIDARG;
        if (!window_) return E_UNEXPECTED;
        FnUpdateControl(window_, [v](FnControlState& c) {
            c.value = v;
            c.valueText = DsFormatNumber(v);
        });
        return S_OK;
    }
    HRESULT GetValue(DSVARIANT* value) override {
        if (!value) return E_POINTER;
        if (!window_) return E_UNEXPECTED;
        *value = DSVariantDouble(FnGetControlState(window_).value);
        return S_OK;
    }

    void Detach() { window_ = nullptr; }
    Scrub scrub;

private:
    HWND window_;
};

NumberControl* ObjectOf(HWND window) {
    auto* unknown = static_cast<IUnknown*>(GetPropA(window, DS_CONTROL_INTERFACE_PROP));
    return static_cast<NumberControl*>(static_cast<IDSControlRange*>(unknown));
}

void Notify(HWND window, UINT message) {
    const HWND parent = GetParent(window);
    if (parent)
        SendMessageA(parent, message, WPARAM(GetDlgCtrlID(window)),
                     reinterpret_cast<LPARAM>(window));
}

// Moves the value and shows it; false when it stayed.
bool Show(HWND window, double v) {
    const double before = FnGetControlState(window).value;
    FnUpdateControl(window, [v](FnControlState& c) {
        c.value = v;
        c.valueText = DsFormatNumber(v);
    });
    return before != v;
}

// The typed text as a value in the range; false for text that is no finite
// number (spaces around it are allowed).
bool Parse(const FnControlState& c, double* out) {
    const char* text = c.editText.c_str();
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text) return false;
    while (*end == ' ') ++end;
    if (*end != '\0' || !std::isfinite(v)) return false;
    *out = std::clamp(v, c.minimum, c.maximum);
    return true;
}

void Commit(HWND window) {
    const FnControlState c = FnGetControlState(window);
    if (!c.editing) return;
    double v = 0;
    const bool ok = Parse(c, &v);
    FnUpdateControl(window, [](FnControlState& s) {
        s.editing = false;
        s.editText.clear();
    });
    if (!ok) return;
    Show(window, v);
    Notify(window, kMessages.notify);
}

void AppendUtf8(std::string& out, unsigned c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | ((c >> 12) & 0x0F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

LRESULT CALLBACK NumberProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        char text[512] = {};
        DefWindowProcW(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        const DSControlText parsed = DSParseControlText(text);
        auto* object = new (std::nothrow) NumberControl(window);
        if (!object) return FALSE;
        SetPropA(window, DS_CONTROL_INTERFACE_PROP,
                 static_cast<IUnknown*>(static_cast<IDSControlRange*>(object)));
        const double lo = parsed.hasMin ? parsed.min : 0.0;
        const double hi = parsed.hasMax ? std::max(parsed.max, lo) : std::max(lo, 100.0);
        FnUpdateControl(window, [&](FnControlState& c) {
            c.kind = FnControlKind::NumberField;
            c.label = parsed.label;
            c.minimum = lo;
            c.maximum = hi;
            c.value = 0;
            c.valueText = DsFormatNumber(0);
        });
        DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(parsed.label.c_str()));
        return TRUE;
    }
    case WM_CREATE: {
        DSCTLTOOLTIP tip{window, {}};
        if (const HWND parent = GetParent(window);
            parent && SendMessageA(parent, kMessages.toolTip, WPARAM(GetDlgCtrlID(window)),
                                   reinterpret_cast<LPARAM>(&tip)))
            FnUpdateControl(window, [&](FnControlState& c) { c.tip = tip.text; });
        return 0;
    }
    case WM_DESTROY:
        if (NumberControl* object = ObjectOf(window)) {
            RemovePropA(window, DS_CONTROL_INTERFACE_PROP);
            object->Detach();
            object->Release();
        }
        return 0;
    case WM_LBUTTONDOWN: {
        NumberControl* object = ObjectOf(window);
        if (!object || !IsWindowEnabled(window)) return 0;
        SetFocus(window);
        Commit(window);
        SetCapture(window);
        POINT p{};
        GetCursorPos(&p);
        object->scrub = Scrub{true, p.x, FnGetControlState(window).value};
        return 0;
    }
    case WM_MOUSEMOVE: {
        NumberControl* object = ObjectOf(window);
        if (!object || !object->scrub.pressed || GetCapture() != window) return 0;
        POINT p{};
        GetCursorPos(&p);
        const FnControlState c = FnGetControlState(window);
        const double step = (c.maximum - c.minimum) / kDsScrubPixelsPerRange;
        const double v = std::clamp(object->scrub.startValue + (p.x - object->scrub.startX) * step,
                                    c.minimum, c.maximum);
        if (!c.scrubbing && p.x == object->scrub.startX) return 0;
        FnUpdateControl(window, [](FnControlState& s) { s.scrubbing = true; });
        if (Show(window, v)) Notify(window, kMessages.scrub);
        return 0;
    }
    case WM_LBUTTONUP: {
        NumberControl* object = ObjectOf(window);
        if (!object || !object->scrub.pressed) return 0;
        object->scrub.pressed = false;
        if (GetCapture() == window) ReleaseCapture();
        if (FnGetControlState(window).scrubbing) {
            FnUpdateControl(window, [](FnControlState& s) { s.scrubbing = false; });
            Notify(window, kMessages.notifyComp);
        }
        return 0;
    }
    case WM_CHAR:
        if (!IsWindowEnabled(window) || wParam < 0x20 || wParam == 0x7F || wParam > 0xFFFF)
            return 0;
        FnUpdateControl(window, [wParam](FnControlState& c) {
            if (!c.editing) c.editText.clear();
            c.editing = true;
            if (c.editText.size() < 64) AppendUtf8(c.editText, unsigned(wParam));
        });
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            Commit(window);
        } else if (wParam == VK_ESCAPE) {
            FnUpdateControl(window, [](FnControlState& c) {
                c.editing = false;
                c.editText.clear();
            });
        } else if (wParam == VK_BACK) {
            FnUpdateControl(window, [](FnControlState& c) {
                if (!c.editing) return;
                while (!c.editText.empty() && (c.editText.back() & 0xC0) == 0x80)
                    c.editText.pop_back();
                if (!c.editText.empty()) c.editText.pop_back();
            });
        }
        return 0;
    case WM_KILLFOCUS: Commit(window); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

bool DsRegisterNumberControl() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.style = CS_GLOBALCLASS;
        wc.lpfnWndProc = &NumberProc;
        wc.hInstance = &gInstanceTag;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = DS_NUMBER_CONTROL_CLASS;
        return RegisterClassA(&wc) != 0;
    }();
    return registered;
}

std::string DsFormatNumber(double value) {
    if (!std::isfinite(value)) return "?";
    if (std::fabs(value) < 0.0005) return "0";
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string s = text;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}
