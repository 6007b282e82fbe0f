// CDSBasePropertyPage and CDSPropertyPage: the host SDK's property page.
//
// It does most of a page's work: it makes the page's dialog from the
// module's template, replaces the template's host-control statics with the
// host's own controls, loads the dialog's bitmaps, and keeps every control
// of the page's control map and its property in step: it fills the
// controls from the host when the dialog opens (and shows every bound
// variable again once the page's own OnInitDialog has set its controls
// up), when the host's time moves and when a property of the inspected
// object changes anywhere, and writes the property (then calls the entry's
// handler) when the user changes a control.  A scrub of a host
// number control is one undo event.  Reads and writes go to the first
// inspected object through the host's site (IDSPropertyPageSite).
//
// A concrete page supplies GetControlMap, GetInstanceHandle and its own
// OnInitDialog (calling this one first), says which of its controls never
// reach the host (IsControlLocal), and hears of its object's property
// changes through OnPropertyChanged.  Its destructor calls
// DestroyDialog before its members go, so that its windows die while their
// objects live.  User-interface thread only.
#pragma once

#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/dssdk/CDSPPGControlMap.h"
#include "platform/dssdk/DSControls.h"
#include "platform/dssdk/DSPropertyPage.h"

class CDSBasePropertyPage
    : public ComObject<IPropertyPage, IDSPropertyNotifySink, IDSTransportNotifySink> {
public:
    typedef DWORD UNDO_STYLE;

    // The map every page's map chains to: it has no entries.
    static const CDSPPGControlMap m_ControlMap;

    CDSBasePropertyPage(UINT dialogId, UINT titleId);

    HRESULT QueryInterface(REFIID iid, void** out) override;

    // IPropertyPage
    HRESULT SetPageSite(IPropertyPageSite* site) override;
    // E_UNEXPECTED while active, E_FAIL without a template or a dialog.
    HRESULT Activate(HWND parent, const RECT* rect, BOOL modal) override;
    HRESULT Deactivate() override;
    HRESULT GetPageInfo(PROPPAGEINFO* info) override;
    HRESULT SetObjects(ULONG count, IUnknown** objects) override;
    // Shows or hides the dialog; minimising commands hide it.
    HRESULT Show(UINT command) override;
    HRESULT Move(const RECT* rect) override;
    HRESULT IsPageDirty() override { return S_FALSE; }
    HRESULT Apply() override { return S_OK; }
    HRESULT Help(const WCHAR* directory) override;

    // A change of the inspected object's property (or of every one, for
    // DSPROP_ALL): the bound controls follow it, nothing is written back,
    // then the page hears of it (OnPropertyChanged); S_OK.  A change of
    // another object reaches neither; S_FALSE.
    HRESULT PropertyChanged(REFGUID id, const DSVARIANT* value, IUnknown* object, void* params,
                            DWORD flags) final;
    // Remembers the time and calls UpdateAnimatedControls.
    HRESULT TimeChanged(double time) override;

    virtual const CDSPPGControlMap* GetControlMap();
    // Host controls, bitmaps, and every control filled from its property.
    virtual BOOL OnInitDialog();
    // Number controls follow their properties at `time`.
    virtual HRESULT UpdateAnimatedControls(double time);
    // Where the dialog, strings and bitmaps come from.
    virtual HINSTANCE GetInstanceHandle();

    // Property access on the inspected object (`object` null: the first).
    HRESULT GetPlainProperty(REFGUID id, DSVARIANT* value, IUnknown* object);
    HRESULT GetAnimatedProperty(REFGUID id, DSVARIANT* value, IUnknown* object, double time);
    HRESULT SetPlainProperty(REFGUID id, const DSVARIANT* value, IUnknown* object,
                             UNDO_STYLE style);
    HRESULT SetAnimatedProperty(REFGUID id, const DSVARIANT* value, IUnknown* object,
                                UNDO_STYLE style, double time);
    // The object's own time for a host time (this host gives objects no
    // offset of their own).
    double ConvertToLocalTime(double time, IUnknown* object);
    // The control shows its bound variable.
    void SetControlFromBoundVariable(int controlId);

    HWND Dialog() const { return m_dialog; }
    IDSPropertyPageSite* Site() const { return m_site.get(); }
    // Inspected object `index`, or null.
    IUnknown* InspectedObject(size_t index = 0) const;
    size_t InspectedCount() const { return m_objects.size(); }
    // The host's current time as the page last heard it.
    double CurrentTime() const { return m_time; }
    // The control whose change is being handled (0 outside a handler).
    DWORD CurrentCommand() const { return m_command; }
    UINT DialogId() const { return m_dialogId; }
    UINT TitleId() const { return m_titleId; }

protected:
    ~CDSBasePropertyPage() override;

    // True for a control whose value stays on the page: the base never
    // reads or writes its property.
    virtual BOOL IsControlLocal(int controlId);
    // A property of the inspected object changed, after the bound controls
    // followed it (`value` null when the host gave none).
    virtual void OnPropertyChanged(REFGUID /*id*/, const DSVARIANT* /*value*/) {}
    // Every bound control shows its bound variable.
    void ShowBoundVariables();
    // Destroys the dialog, its controls and bitmaps.
    void DestroyDialog();

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateHostControls();
    void LoadBitmaps();
    // Reads an entry's property into its bound variable; false when the
    // host gave nothing.
    bool ReadBound(const CDSPPGControlMapEntry& e, double time);
    // The user changed a control: bound variable, property, handler.
    void UserChanged(const CDSPPGControlMapEntry& e, UNDO_STYLE style);
    void CallHandler(const CDSPPGControlMapEntry& e);
    void EndScrub();

    UINT m_dialogId;
    UINT m_titleId;
    ComPtr<IDSPropertyPageSite> m_site;
    std::vector<ComPtr<IUnknown>> m_objects;
    HWND m_dialog = nullptr;
    std::vector<HBITMAP> m_bitmaps;
    double m_time = 0;
    DWORD m_command = 0;
    bool m_scrubbing = false;  // a scrub's undo event is open
};

class CDSPropertyPage : public CDSBasePropertyPage {
public:
    CDSPropertyPage(UINT dialogId, UINT titleId) : CDSBasePropertyPage(dialogId, titleId) {}

protected:
    ~CDSPropertyPage() override = default;
};
