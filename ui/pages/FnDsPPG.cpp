// The pages' shared base: records from the page's layout, effect link,
// typed parameter access, undo grouping, the page-shown call and Help.
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

// Counts a page in the module's live objects when the module gave a count;
// true when it did.
bool CountPage() {
    std::atomic<int32_t>* count = gLockCount.load();
    if (!count) return false;
    ++*count;
    return true;
}
void UncountPage() {
    if (std::atomic<int32_t>* count = gLockCount.load()) --*count;
}

}  // namespace

void FnDsPPG::SetModuleInstance(HINSTANCE instance) { gInstance = instance; }
void FnDsPPG::SetModuleLockCount(std::atomic<int32_t>* count) { gLockCount.store(count); }

FnDsPPG::FnDsPPG(const ColBalancePageLayout& layout, UINT titleId, const char* pageName,
                 const CDSPPGControlMap& map)
    : CDSPropertyPage(layout.dialogId, titleId), layout_(layout), map_(map), undo_(this) {
    if (pageName) {
        const size_t n = std::strlen(pageName);
        pageName_ = new (std::nothrow) char[n + 1];
        if (pageName_) std::memcpy(pageName_, pageName, n + 1);
    }
    for (size_t i = 0; i < layout_.size() && i < records_.size(); ++i) {
        const ColBalanceParamSpec& param = *layout_.params[i];
        const int control = layout_.controlOf(i);
        records_[i].Fill(this, uint32_t(control), uint32_t(fnLabelIdOf(control)), param);
        // Values only the pages use never reach the host.
        records_[i].localOnly = param.home == ColBalanceParamSpec::Home::Page ? 1 : 0;
    }
    counted_ = CountPage();
}

FnDsPPG::~FnDsPPG() {
    ReleaseEffect();
    if (counted_) UncountPage();
    delete[] pageName_;
}

HINSTANCE FnDsPPG::GetInstanceHandle() { return gInstance; }

const CDSPPGControlMap* FnDsPPG::GetControlMap() {
    map_.Initialize();
    return &map_;
}

HRESULT FnDsPPG::SetObjects(ULONG count, IUnknown** objects) {
    const HRESULT hr = CDSPropertyPage::SetObjects(count, objects);
    if (FAILED(hr)) return hr;
    if (Dialog()) {
        LinkEffect();
    } else if (effect_) {
        FnDsEffect* found = QueryEffect();
        if (found != effect_) ReleaseEffect();
        if (found) found->Release();
    }
    return hr;
}

HRESULT FnDsPPG::Show(UINT command) {
    const HRESULT hr = CDSPropertyPage::Show(command);
    if (FAILED(hr)) return hr;
    if ((command == SW_SHOWNORMAL || command == SW_SHOW) && effect_) effect_->PageShown(pageName_);
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

void FnDsPPG::LinkEffect() {
    // The same effect keeps its one push of the viewer tool (a dialog made
    // again after Deactivate); another one replaces it.
    FnDsEffect* found = QueryEffect();
    if (found == effect_) {
        if (found) found->Release();
    } else {
        ReleaseEffect();
        effect_ = found;
    }
    AttachViewerTool();
}

void FnDsPPG::ReleaseEffect() {
    if (!effect_) return;
    if (toolPushed_) effect_->PopViewerTool();
    toolPushed_ = false;
    FnDsEffect* effect = effect_;
    effect_ = nullptr;
    effect->Release();
}

FnTInteract* FnDsPPG::AttachViewerTool() {
    if (!effect_) return nullptr;
    if (!toolPushed_) {
        // A failed creation still counts as a push; the pop undoes it.
        toolPushed_ = effect_->PushViewerTool(InspectedObject()) != E_POINTER;
    }
    return effect_->ViewerTool();
}

FnTInteract* FnDsPPG::ViewerTool() const { return effect_ ? effect_->ViewerTool() : nullptr; }

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

BOOL FnDsPPG::IsControlLocal(int controlId) {
    for (size_t i = 0; i < layout_.size(); ++i)
        if (records_[i].controlId == uint32_t(controlId))
            return records_[i].localOnly ? TRUE : FALSE;
    return FALSE;
}

void FnDsPPG::InitControls() {
    for (size_t i = 0; i < layout_.size(); ++i) records_[i].InitControl();
}

void FnDsPPG::ResetRecords() {
    BeginUndo();
    for (size_t i = 0; i < layout_.size(); ++i) records_[i].SetDefault();
    EndUndo();
}

void FnDsPPG::OnPropertyChanged(REFGUID id, const DSVARIANT* value) {
    changedProperty_ = &id;
    changedValue_ = value;
    OnParameterChanged();
    changedProperty_ = nullptr;
    changedValue_ = nullptr;
}
