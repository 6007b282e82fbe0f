// Bound control records of the property pages.
#include "ui/pages/FnDsPPGControl.h"

#include <cmath>

#include "effect/ColBalanceParams.h"
#include "platform/com/ComPtr.h"
#include "platform/dssdk/DSControls.h"
#include "platform/dssdk/DSEffect.h"
#include "platform/dssdk/DSResources.h"
#include "ui/pages/FnDsPPG.h"

namespace {
// The time a record's reads and writes name: the host's current time.
constexpr double kNow = -1.0;

// The change is this record's parameter, or every parameter.
bool ChangeConcerns(const GUID* changed, const GUID& parameter) {
    return changed && (*changed == parameter || *changed == DSPROP_ALL);
}
}  // namespace

void FnDsPPGControl::Fill(FnDsPPG* owner, uint32_t control, uint32_t label,
                          const ColBalanceParamSpec& spec) {
    page = owner;
    controlId = control;
    labelId = label;
    param = &spec;
    localOnly = 0;
    kind = spec.type == VT_R8 ? Kind::Number : Kind::Integer;
    number = 0;
    integer = 0;
    animated = kind == Kind::Number ? 1 : 0;
}

const GUID& FnDsPPGControl::Parameter() const { return param ? param->id : GUID_NULL; }

HWND FnDsPPGControl::Control() const {
    return page && controlId ? GetDlgItem(page->Dialog(), int(controlId)) : nullptr;
}

void FnDsPPGControl::SetDouble(double v) {
    number = v;
    if (!page) return;
    if (!localOnly) page->SetDoubleProperty(Parameter(), v, animated, kNow);
    if (controlId) page->SetControlFromBoundVariable(int(controlId));
}

double FnDsPPGControl::GetDouble() {
    if (!page) return 0;
    double out = 0;
    if (page->ChangedProperty() && !localOnly &&
        page->GetDoubleProperty(Parameter(), &out, animated, kNow))
        return out;
    return number;
}

bool FnDsPPGControl::RefreshFromNotification() {
    const GUID& parameter = Parameter();
    if (!page || parameter == DSPROP_BUTTON || !ChangeConcerns(page->ChangedProperty(), parameter))
        return false;
    const DSVARIANT* value = page->ChangedValue();
    double v = 0;
    if (value && value->vt != VT_EMPTY && *page->ChangedProperty() == parameter) {
        v = DSVariantNumber(*value);
    } else if (!page->GetDoubleProperty(Parameter(), &v, animated, kNow)) {
        return false;
    }
    if (!std::isfinite(v)) return false;
    number = v;
    return true;
}

void FnDsPPGControl::SetLong(int32_t v) {
    integer = v;
    if (!page) return;
    if (!localOnly) page->SetLongProperty(Parameter(), v);
    if (controlId) page->SetControlFromBoundVariable(int(controlId));
}

void FnDsPPGControl::SetBool(int32_t v) {
    integer = v;
    if (!page) return;
    if (!localOnly) page->SetBoolProperty(Parameter(), v);
    if (controlId) page->SetControlFromBoundVariable(int(controlId));
}

int32_t FnDsPPGControl::GetLong() {
    if (!page) return 0;
    int32_t out = 0;
    if (page->ChangedProperty() && !localOnly && page->GetLongProperty(Parameter(), &out))
        return out;
    return integer;
}

int32_t FnDsPPGControl::GetBool() {
    if (!page) return 0;
    int32_t out = 0;
    if (page->ChangedProperty() && !localOnly && page->GetBoolProperty(Parameter(), &out))
        return out;
    return integer;
}

void FnDsPPGControl::InitControl() {
    if (!param) return;
    if (param->hasRange) SetRange(param->pageMin, param->pageMax);
    if (param->listCount) {
        ClearList();
        for (size_t i = 0; i < param->listCount; ++i) AddListString(param->listItems[i], i == 0);
    }
}

void FnDsPPGControl::SetDefault() {
    if (!param) return;
    if (kind == Kind::Number)
        SetDouble(param->defaultValue);
    else if (param->type == VT_BOOL)
        SetBool(int32_t(param->defaultValue));
    else
        SetLong(int32_t(param->defaultValue));
}

void FnDsPPGControl::Show(bool visible) {
    if (!page) return;
    const int command = visible ? SW_SHOWNORMAL : SW_HIDE;
    if (controlId)
        if (HWND c = GetDlgItem(page->Dialog(), int(controlId))) ShowWindow(c, command);
    if (labelId)
        if (HWND l = GetDlgItem(page->Dialog(), int(labelId))) ShowWindow(l, command);
}

void FnDsPPGControl::SetRange(double minimum, double maximum) {
    const HWND control = Control();
    if (!control) return;
    auto* unknown = static_cast<IUnknown*>(GetPropA(control, DS_CONTROL_INTERFACE_PROP));
    if (!unknown) return;
    ComPtr<IDSControlRange> range;
    if (FAILED(unknown->QueryInterface(IID_IDSControlRange, range.putVoid())) || !range) return;
    const DSVARIANT lo = DSVariantDouble(minimum), hi = DSVariantDouble(maximum);
    range->SetRange(&lo, &hi);
}

void FnDsPPGControl::ClearList() {
    if (const HWND control = Control()) SendMessageW(control, CB_RESETCONTENT, 0, 0);
}

void FnDsPPGControl::AddListString(uint32_t stringId, int select) {
    const HWND control = Control();
    if (!control) return;
    WCHAR text[256];
    if (LoadStringW(page->GetInstanceHandle(), stringId, text, 256) <= 0) return;
    SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (select) SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
