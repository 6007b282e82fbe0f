// The SDK's property page: dialog, host controls and the control map.
#include "platform/dssdk/CDSBasePropertyPage.h"

#include <cmath>
#include <cstdlib>

#include "platform/dssdk/DSEffect.h"
#include "platform/dssdk/DSModuleInstance.h"
#include "platform/dssdk/DSResources.h"
#include "platform/window/FnControlState.h"

namespace {

// Registered when the module loads, as every unit that handles host control
// notifications does.
const DSControlMessages kMessages;

constexpr const char* kPageProp = "CDSBasePropertyPage";
const CDSPPGControlMapEntry kNoEntries[] = {CDSPPGControlMapEntry()};

template <class Face>
ComPtr<Face> ControlInterface(HWND control, REFIID iid) {
    ComPtr<Face> face;
    auto* unknown = static_cast<IUnknown*>(GetPropA(control, DS_CONTROL_INTERFACE_PROP));
    if (unknown) unknown->QueryInterface(iid, face.putVoid());
    return face;
}

bool IsNumber(const CDSPPGControlMapEntry& e) { return e.PropertyType() == VT_R8; }

}  // namespace

const CDSPPGControlMap CDSBasePropertyPage::m_ControlMap("CDSBasePropertyPage", 0, nullptr,
                                                         kNoEntries);

CDSBasePropertyPage::CDSBasePropertyPage(UINT dialogId, UINT titleId)
    : m_dialogId(dialogId), m_titleId(titleId) {}

CDSBasePropertyPage::~CDSBasePropertyPage() { DestroyDialog(); }

HRESULT CDSBasePropertyPage::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IPropertyPage)
        return Answer(static_cast<IPropertyPage*>(this), out);
    if (iid == IID_IDSPropertyNotifySink)
        return Answer(static_cast<IDSPropertyNotifySink*>(this), out);
    if (iid == IID_IDSTransportNotifySink)
        return Answer(static_cast<IDSTransportNotifySink*>(this), out);
    return E_NOINTERFACE;
}

HRESULT CDSBasePropertyPage::SetPageSite(IPropertyPageSite* site) {
    m_site.reset();
    if (site) site->QueryInterface(IID_IDSPropertyPageSite, m_site.putVoid());
    return S_OK;
}

HRESULT CDSBasePropertyPage::SetObjects(ULONG count, IUnknown** objects) {
    if (count && !objects) return E_POINTER;
    m_objects.clear();
    for (ULONG i = 0; i < count; ++i) m_objects.emplace_back(objects[i]);
    return S_OK;
}

IUnknown* CDSBasePropertyPage::InspectedObject(size_t index) const {
    return index < m_objects.size() ? m_objects[index].get() : nullptr;
}

HINSTANCE CDSBasePropertyPage::GetInstanceHandle() { return nullptr; }

const CDSPPGControlMap* CDSBasePropertyPage::GetControlMap() { return &m_ControlMap; }

BOOL CDSBasePropertyPage::IsControlLocal(int) { return FALSE; }

HRESULT CDSBasePropertyPage::Help(const WCHAR*) { return E_NOTIMPL; }

HRESULT CDSBasePropertyPage::GetPageInfo(PROPPAGEINFO* info) {
    if (!info) return E_POINTER;
    *info = PROPPAGEINFO{};
    LoadStringA(GetInstanceHandle(), m_titleId, info->title, sizeof info->title);
    int w = 0, h = 0;
    if (m_dialog) {
        RECT r{};
        GetClientRect(m_dialog, &r);
        w = r.right;
        h = r.bottom;
    } else if (!FnDialogTemplateSize(DSFindDialog(GetInstanceHandle(), m_dialogId), &w, &h)) {
        return E_FAIL;
    }
    info->width = w;
    info->height = h;
    return S_OK;
}

HRESULT CDSBasePropertyPage::Activate(HWND parent, const RECT* rect, BOOL) {
    if (m_dialog) return E_UNEXPECTED;
    const FnDialogTemplate* t = DSFindDialog(GetInstanceHandle(), m_dialogId);
    if (!t) return E_FAIL;
    if (m_site) m_site->GetCurrentTime(&m_time);
    // The dialog is made hidden; the host shows it with Show.
    FnDialogTemplate hidden = *t;
    hidden.style &= ~WS_VISIBLE;
    AddRef();  // the dialog procedure may run handlers that release the page's last user
    const HWND dialog = CreateDialogIndirectParamW(GetInstanceHandle(), &hidden, parent,
                                                   &DialogProc, reinterpret_cast<LPARAM>(this));
    if (!dialog) m_dialog = nullptr;
    if (dialog && rect) {
        RECT r{};
        GetClientRect(dialog, &r);
        MoveWindow(dialog, rect->left, rect->top, r.right, r.bottom, FALSE);
    }
    Release();
    return dialog ? S_OK : E_FAIL;
}

HRESULT CDSBasePropertyPage::Deactivate() {
    DestroyDialog();
    return S_OK;
}

void CDSBasePropertyPage::DestroyDialog() {
    EndScrub();
    if (m_dialog) {
        const HWND dialog = m_dialog;
        m_dialog = nullptr;
        RemovePropA(dialog, kPageProp);
        DestroyWindow(dialog);
    }
    for (HBITMAP b : m_bitmaps) DeleteObject(b);
    m_bitmaps.clear();
}

HRESULT CDSBasePropertyPage::Show(UINT command) {
    if (!m_dialog) return E_UNEXPECTED;
    ShowWindow(m_dialog, int(command));
    return S_OK;
}

HRESULT CDSBasePropertyPage::Move(const RECT* rect) {
    if (!rect) return E_POINTER;
    if (!m_dialog) return E_UNEXPECTED;
    MoveWindow(m_dialog, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
               TRUE);
    return S_OK;
}

HRESULT CDSBasePropertyPage::GetPlainProperty(REFGUID id, DSVARIANT* value, IUnknown* object) {
    if (!value) return E_POINTER;
    IUnknown* o = object ? object : InspectedObject();
    if (!m_site || !o) return E_UNEXPECTED;
    return m_site->GetProperty(o, id, value, FALSE, DS_CURRENT_TIME);
}

HRESULT CDSBasePropertyPage::GetAnimatedProperty(REFGUID id, DSVARIANT* value, IUnknown* object,
                                                 double time) {
    if (!value) return E_POINTER;
    IUnknown* o = object ? object : InspectedObject();
    if (!m_site || !o) return E_UNEXPECTED;
    return m_site->GetProperty(o, id, value, TRUE, time);
}

HRESULT CDSBasePropertyPage::SetPlainProperty(REFGUID id, const DSVARIANT* value, IUnknown* object,
                                              UNDO_STYLE style) {
    if (!value) return E_POINTER;
    IUnknown* o = object ? object : InspectedObject();
    if (!m_site || !o) return E_UNEXPECTED;
    return m_site->SetProperty(o, id, value, style, FALSE, DS_CURRENT_TIME,
                               static_cast<IPropertyPage*>(this));
}

HRESULT CDSBasePropertyPage::SetAnimatedProperty(REFGUID id, const DSVARIANT* value,
                                                 IUnknown* object, UNDO_STYLE style, double time) {
    if (!value) return E_POINTER;
    IUnknown* o = object ? object : InspectedObject();
    if (!m_site || !o) return E_UNEXPECTED;
    return m_site->SetProperty(o, id, value, style, TRUE, time, static_cast<IPropertyPage*>(this));
}

double CDSBasePropertyPage::ConvertToLocalTime(double time, IUnknown*) { return time; }

void CDSBasePropertyPage::SetControlFromBoundVariable(int controlId) {
    const CDSPPGControlMapEntry* e = GetControlMap()->Find(controlId);
    if (!e || !e->Bound() || !m_dialog) return;
    const HWND control = GetDlgItem(m_dialog, controlId);
    if (!control) return;
    void* bound = e->Bound()(this);
    if (!bound) return;
    switch (e->PropertyType()) {
    case VT_R8: {
        const DSVARIANT v = DSVariantDouble(*static_cast<double*>(bound));
        if (auto face = ControlInterface<IDSControlValue>(control, IID_IDSControlValue))
            face->SetValue(&v);
        break;
    }
    case VT_BOOL:
        SendMessageA(control, BM_SETCHECK, *static_cast<int32_t*>(bound) ? BST_CHECKED : 0, 0);
        break;
    case VT_I4:
        SendMessageA(control, CB_SETCURSEL, WPARAM(*static_cast<int32_t*>(bound)), 0);
        break;
    default: break;
    }
}

bool CDSBasePropertyPage::ReadBound(const CDSPPGControlMapEntry& e, double time) {
    void* bound = e.Bound() ? e.Bound()(this) : nullptr;
    if (!bound || e.IsButton() || IsControlLocal(e.ControlId())) return false;
    DSVARIANT v;
    const HRESULT hr = IsNumber(e) ? GetAnimatedProperty(e.Property(), &v, nullptr, time)
                                   : GetPlainProperty(e.Property(), &v, nullptr);
    if (FAILED(hr)) return false;
    if (IsNumber(e)) {
        const double d = DSVariantNumber(v);
        if (!std::isfinite(d)) return false;
        *static_cast<double*>(bound) = d;
    } else {
        *static_cast<int32_t*>(bound) = v.vt == VT_R8 ? int32_t(v.dblVal) : v.lVal;
    }
    return true;
}

BOOL CDSBasePropertyPage::OnInitDialog() {
    CreateHostControls();
    LoadBitmaps();
    for (const CDSPPGControlMapEntry* e : GetControlMap()->Entries())
        if (e->Bound() && !e->IsButton()) ReadBound(*e, DS_CURRENT_TIME);
    ShowBoundVariables();
    return TRUE;
}

void CDSBasePropertyPage::ShowBoundVariables() {
    for (const CDSPPGControlMapEntry* e : GetControlMap()->Entries())
        if (e->Bound() && !e->IsButton()) SetControlFromBoundVariable(e->ControlId());
}

HRESULT CDSBasePropertyPage::UpdateAnimatedControls(double time) {
    for (const CDSPPGControlMapEntry* e : GetControlMap()->Entries())
        if (IsNumber(*e) && ReadBound(*e, time)) SetControlFromBoundVariable(e->ControlId());
    return S_OK;
}

HRESULT CDSBasePropertyPage::TimeChanged(double time) {
    if (!std::isfinite(time)) return E_INVALIDARG;
    m_time = time;
    return UpdateAnimatedControls(time);
}

HRESULT CDSBasePropertyPage::PropertyChanged(REFGUID id, const DSVARIANT* value, IUnknown* object,
                                             void*, DWORD) {
    // Another object's change is none of this page's business, and the
    // page never hears of it.
    if (object && InspectedObject() && object != InspectedObject()) return S_FALSE;
    for (const CDSPPGControlMapEntry* e : GetControlMap()->Entries()) {
        void* bound = e->Bound() ? e->Bound()(this) : nullptr;
        if (!bound || e->IsButton() || IsControlLocal(e->ControlId())) continue;
        if (!(id == DSPROP_ALL || id == e->Property())) continue;
        if (value && id == e->Property() && value->vt != VT_EMPTY) {
            const double d = DSVariantNumber(*value);
            if (IsNumber(*e) && std::isfinite(d))
                *static_cast<double*>(bound) = d;
            else if (!IsNumber(*e))
                *static_cast<int32_t*>(bound) = value->vt == VT_R8 ? int32_t(d) : value->lVal;
            else
                continue;
        } else if (!ReadBound(*e, DS_CURRENT_TIME)) {
            continue;
        }
        SetControlFromBoundVariable(e->ControlId());
    }
    OnPropertyChanged(id, value);
    return S_OK;
}

void CDSBasePropertyPage::CreateHostControls() {
    const HINSTANCE instance = GetInstanceHandle();
    for (HWND child : FnChildWindows(m_dialog)) {
        FnControlInfo info;
        if (!FnGetControlInfo(child, &info) || info.state.kind != FnControlKind::Static) continue;
        const DSControlText text = DSParseControlText(info.text);
        if (text.className.empty()) continue;
        const DWORD style = WS_CHILD | WS_TABSTOP | (info.visible ? WS_VISIBLE : 0);
        const HWND control = CreateWindowExA(
            0, text.className.c_str(), info.text.c_str(), style, info.rect.left, info.rect.top,
            info.rect.right - info.rect.left, info.rect.bottom - info.rect.top, m_dialog,
            reinterpret_cast<HMENU>(static_cast<std::intptr_t>(static_cast<WORD>(info.id))),
            instance, nullptr);
        // Without the host's class the static stays, showing its text.
        if (control) DestroyWindow(child);
    }
}

void CDSBasePropertyPage::LoadBitmaps() {
    for (HWND child : FnChildWindows(m_dialog)) {
        FnControlInfo info;
        if (!FnGetControlInfo(child, &info) || info.state.kind != FnControlKind::Bitmap ||
            info.text.size() < 2 || info.text[0] != '#')
            continue;
        char* end = nullptr;
        const long id = std::strtol(info.text.c_str() + 1, &end, 10);
        if (!end || *end || id <= 0 || id > 0xFFFF) continue;
        if (HBITMAP b = LoadBitmapW(GetInstanceHandle(), MAKEINTRESOURCEW(id))) {
            m_bitmaps.push_back(b);
            SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(b));
        }
    }
}

void CDSBasePropertyPage::CallHandler(const CDSPPGControlMapEntry& e) {
    if (!e.Handler()) return;
    const DWORD previous = m_command;
    m_command = DWORD(e.ControlId());
    (this->*e.Handler())();
    m_command = previous;
}

void CDSBasePropertyPage::UserChanged(const CDSPPGControlMapEntry& e, UNDO_STYLE style) {
    void* bound = e.Bound() ? e.Bound()(this) : nullptr;
    const HWND control = GetDlgItem(m_dialog, e.ControlId());
    if (!bound || !control) return;
    DSVARIANT v;
    switch (e.PropertyType()) {
    case VT_R8: {
        auto face = ControlInterface<IDSControlValue>(control, IID_IDSControlValue);
        if (!face || FAILED(face->GetValue(&v)) || !std::isfinite(DSVariantNumber(v))) return;
        *static_cast<double*>(bound) = DSVariantNumber(v);
        v = DSVariantDouble(*static_cast<double*>(bound));
        break;
    }
    case VT_BOOL:
        *static_cast<int32_t*>(bound) = SendMessageA(control, BM_GETCHECK, 0, 0) ? 1 : 0;
        v = DSVariantBool(*static_cast<int32_t*>(bound));
        break;
    case VT_I4: {
        const LRESULT sel = SendMessageA(control, CB_GETCURSEL, 0, 0);
        if (sel < 0) return;
        *static_cast<int32_t*>(bound) = int32_t(sel);
        v = DSVariantLong(int32_t(sel));
        break;
    }
    default: return;
    }
    if (!IsControlLocal(e.ControlId())) {
        // A write of its own is an undo event named by its control.
        const bool own = style != DS_UNDO_GROUPED && m_site;
        if (own) m_site->BeginUndo(DWORD(e.ControlId()), &style);
        if (e.PropertyType() == VT_R8)
            SetAnimatedProperty(e.Property(), &v, nullptr, style, DS_CURRENT_TIME);
        else
            SetPlainProperty(e.Property(), &v, nullptr, style);
        if (own) m_site->EndUndo();
    }
    CallHandler(e);
}

void CDSBasePropertyPage::EndScrub() {
    if (!m_scrubbing) return;
    m_scrubbing = false;
    if (m_site) m_site->EndUndo();
}

INT_PTR CDSBasePropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const CDSPPGControlMap* map = GetControlMap();
    if (message == WM_COMMAND) {
        const CDSPPGControlMapEntry* e = map->Find(LOWORD(wParam));
        if (!e) return FALSE;
        const WORD code = HIWORD(wParam);
        if (e->IsButton()) {
            if (code == BN_CLICKED) CallHandler(*e);
        } else if ((e->PropertyType() == VT_BOOL && code == BN_CLICKED) ||
                   (e->PropertyType() == VT_I4 && code == CBN_SELCHANGE)) {
            UserChanged(*e, DS_UNDO_SINGLE);
        }
        return TRUE;
    }
    if (message == kMessages.notify || message == kMessages.scrub) {
        const CDSPPGControlMapEntry* e = map->Find(int(wParam));
        if (!e || e->PropertyType() != VT_R8) return FALSE;
        // A scrub is one undo event: opened by its first step, closed when
        // the control says it ended.
        if (message == kMessages.scrub && !m_scrubbing && m_site) {
            DWORD style = DS_UNDO_SINGLE;
            m_scrubbing = SUCCEEDED(m_site->BeginUndo(DWORD(e->ControlId()), &style));
        }
        UserChanged(*e, m_scrubbing ? DWORD(DS_UNDO_GROUPED) : DWORD(DS_UNDO_SINGLE));
        return TRUE;
    }
    if (message == kMessages.notifyComp) {
        EndScrub();
        return TRUE;
    }
    if (message == kMessages.toolTip) {
        auto* tip = reinterpret_cast<DSCTLTOOLTIP*>(lParam);
        const CDSPPGControlMapEntry* e = map->Find(int(wParam));
        if (!tip || !e || e->DescriptionId() < 0) return FALSE;
        return LoadStringA(GetInstanceHandle(), UINT(e->DescriptionId()), tip->text,
                           sizeof tip->text) > 0;
    }
    return FALSE;
}

INT_PTR CALLBACK CDSBasePropertyPage::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<CDSBasePropertyPage*>(lParam);
        if (!page) return FALSE;
        SetPropA(dialog, kPageProp, page);
        page->m_dialog = dialog;
        page->OnInitDialog();
        // The page's own set-up may have refilled lists or ranges: every
        // control shows its value again.
        if (page->m_dialog == dialog) page->ShowBoundVariables();
        return TRUE;
    }
    auto* page = static_cast<CDSBasePropertyPage*>(GetPropA(dialog, kPageProp));
    if (!page || page->m_dialog != dialog) return FALSE;
    return page->HandleMessage(message, wParam, lParam);
}
