// The pages' shared base: effect link, typed parameter access, undo
// grouping, the page-shown call and Help.
#include "ui/pages/FnDsPPG.h"

#include <cstring>
#include <new>

#include "effect/ColBalanceApi.h"
#include "effect/FnDsEffect.h"
#include "ui/pages/HelpPPG.h"

namespace {

HINSTANCE gInstance = nullptr;
std::atomic<std::atomic<int32_t>*> gLockCount{nullptr};

// The module's control notifications, registered when it loads.
const DSControlMessages kControlMessages;

bool IsButton(REFGUID id) { return id == DSPROP_BUTTON; }

}  // namespace

void FnDsPPG::SetModuleInstance(HINSTANCE instance) { gInstance = instance; }
void FnDsPPG::SetModuleLockCount(std::atomic<int32_t>* count) { gLockCount.store(count); }

bool FnDsPPG::CountPage() {
    std::atomic<int32_t>* count = gLockCount.load();
    if (!count) return false;
    ++*count;
    return true;
}

void FnDsPPG::UncountPage() {
    if (std::atomic<int32_t>* count = gLockCount.load()) --*count;
}

FnDsPPG::FnDsPPG(UINT dialogId, UINT titleId, const char* pageName)
    : CDSPropertyPage(dialogId, titleId), undo_(this) {
    if (pageName) {
        const size_t n = std::strlen(pageName);
        pageName_ = new (std::nothrow) char[n + 1];
        if (pageName_) std::memcpy(pageName_, pageName, n + 1);
    }
}

FnDsPPG::~FnDsPPG() { delete[] pageName_; }

HINSTANCE FnDsPPG::GetInstanceHandle() { return gInstance; }

HRESULT FnDsPPG::Show(UINT command) {
    const HRESULT hr = CDSPropertyPage::Show(command);
    if (FAILED(hr)) return hr;
    if ((command == SW_SHOWNORMAL || command == SW_SHOW) && effectLink_)
        effectLink_->PageShown(pageName_);
    return hr;
}

HRESULT FnDsPPG::Help(const WCHAR*) {
    HelpPPG::OpenOnlineHelp("K_ColBalance");
    return S_OK;
}

FnDsEffect* FnDsPPG::QueryEffect() {
    IUnknown* inspected = InspectedObject();
    if (!inspected) return nullptr;
    void* effect = nullptr;
    if (FAILED(inspected->QueryInterface(CLSID_ColBalance, &effect))) return nullptr;
    return static_cast<FnDsEffect*>(effect);
}

void FnDsPPG::LinkEffect(FnDsEffect*& effect) {
    // A dialog made again (Activate after Deactivate) keeps the effect and
    // its one push of the viewer tool.
    if (!effect) effect = QueryEffect();
    if (effect) effectLink_ = effect;
}

void FnDsPPG::ReleaseEffect(FnDsEffect*& effect) {
    if (!effect) return;
    if (toolPushed_) effect->PopViewerTool();
    toolPushed_ = false;
    effect->Release();
    effect = nullptr;
    effectLink_ = nullptr;
}

FnTInteract* FnDsPPG::AttachViewerTool() {
    if (!effectLink_) return nullptr;
    if (!toolPushed_) {
        // A failed creation still counts as a push; the pop undoes it.
        toolPushed_ = effectLink_->PushViewerTool(InspectedObject()) != E_POINTER;
    }
    return effectLink_->ViewerTool();
}

FnTInteract* FnDsPPG::ViewerTool() const {
    return effectLink_ ? effectLink_->ViewerTool() : nullptr;
}

BOOL FnDsPPG::GetLongProperty(REFGUID id, int32_t* out) {
    if (IsButton(id) || !out) return FALSE;
    DSVARIANT v;
    if (FAILED(GetPlainProperty(id, &v, nullptr))) return FALSE;
    *out = v.vt == VT_R8 ? int32_t(v.dblVal) : v.lVal;
    return TRUE;
}

BOOL FnDsPPG::GetBoolProperty(REFGUID id, int32_t* out) { return GetLongProperty(id, out); }

BOOL FnDsPPG::GetDoubleProperty(REFGUID id, double* out, uint32_t animated, double time) {
    if (IsButton(id) || !out) return FALSE;
    DSVARIANT v;
    const HRESULT hr =
        animated ? GetAnimatedProperty(id, &v, nullptr, time) : GetPlainProperty(id, &v, nullptr);
    if (FAILED(hr)) return FALSE;
    *out = DSVariantNumber(v);
    return TRUE;
}

BOOL FnDsPPG::SetLongProperty(REFGUID id, int32_t value) {
    if (IsButton(id)) return FALSE;
    const DSVARIANT v = DSVariantLong(value);
    return SUCCEEDED(SetPlainProperty(id, &v, nullptr, undoStyle_)) ? TRUE : FALSE;
}

BOOL FnDsPPG::SetBoolProperty(REFGUID id, int32_t value) {
    if (IsButton(id)) return FALSE;
    const DSVARIANT v = DSVariantBool(value);
    return SUCCEEDED(SetPlainProperty(id, &v, nullptr, undoStyle_)) ? TRUE : FALSE;
}

BOOL FnDsPPG::SetDoubleProperty(REFGUID id, double value, uint32_t animated, double time) {
    if (IsButton(id)) return FALSE;
    const DSVARIANT v = DSVariantDouble(value);
    const HRESULT hr = animated ? SetAnimatedProperty(id, &v, nullptr, undoStyle_, time)
                                : SetPlainProperty(id, &v, nullptr, undoStyle_);
    return SUCCEEDED(hr) ? TRUE : FALSE;
}

void FnDsPPG::BeginUndo(UNDO_STYLE* style) {
    undo_.Begin(CurrentCommand(), &undoStyle_, 1);
    if (style) *style = undoStyle_;
}

void FnDsPPG::EndUndo() {
    undo_.End();
    undoStyle_ = DS_UNDO_SINGLE;
}

void FnDsPPG::SetItemTextNarrow(UINT controlId, const char* text) {
    WCHAR wide[2048];
    size_t n = 0;
    if (text)
        for (; n < 2047 && text[n]; ++n) wide[n] = WCHAR(static_cast<unsigned char>(text[n]));
    wide[n] = u'\0';
    if (HWND item = GetDlgItem(Dialog(), int(controlId)))
        SendMessageW(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide));
}

void FnDsPPG::SetControlRecords(FnDsPPGControl* records, size_t count) {
    records_ = records;
    recordCount_ = count;
}

BOOL FnDsPPG::IsControlLocal(int controlId) {
    for (size_t i = 0; i < recordCount_; ++i)
        if (records_[i].controlId == uint32_t(controlId))
            return records_[i].localOnly ? TRUE : FALSE;
    return FALSE;
}

void FnDsPPG::SetChange(const GUID* property, const DSVARIANT* value) {
    changedProperty_ = property;
    changedValue_ = value;
}
