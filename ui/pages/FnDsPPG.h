// FnDsPPG: what the effect's four property pages share on top of the SDK's
// page.  It keeps one record per control of the page's layout (the
// parameter table's kMainPageLayout and its siblings) and builds them, the
// controls' ranges and lists and the page's reset from the table; it links
// the page to the effect it edits (the effect's FnDsEffect part, found by
// querying the inspected object for the effect's class id) and through it
// places and removes the effect's viewer tool; it groups several parameter
// writes into one undo event; it gives typed parameter reads and writes on
// top of the host's variant calls; it tells the effect when the page is
// shown; and it opens the documentation for Help.
//
// The module gives it its instance handle and live-object count when it
// loads (SetModuleInstance, SetModuleLockCount); every page counts itself
// there while it lives.  User-interface thread only.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "effect/ColBalanceParams.h"
#include "platform/dssdk/CDSBasePropertyPage.h"
#include "platform/dssdk/CDSUndoStyleMgr.h"
#include "ui/pages/FnDsPPGControl.h"

class FnDsEffect;
class FnTInteract;

class FnDsPPG : public CDSPropertyPage {
public:
    // The most records a page has.
    static constexpr size_t kMostRecords =
        std::max({kMainPageLayout.size(), kToneCurvesPageLayout.size(),
                  kSimpleCurvesPageLayout.size(), kHelpPageLayout.size()});

    // A page pointed at other objects lets go of the effect it had; while
    // its dialog is open it links to the new one at once.
    HRESULT SetObjects(ULONG count, IUnknown** objects) override;
    // The base's Show; then, for SW_SHOWNORMAL and SW_SHOW, the effect hears
    // that the page was shown.
    HRESULT Show(UINT command) override;
    // Opens the documentation (the help page's OpenOnlineHelp); S_OK.
    HRESULT Help(const WCHAR* directory) override;
    HINSTANCE GetInstanceHandle() override;
    const CDSPPGControlMap* GetControlMap() override;

    // The effect the page edits, or null.
    FnDsEffect* EffectLink() const { return effect_; }
    // Places the effect's viewer tool for the inspected object (once per
    // effect) and returns it; null without an effect or a tool.
    FnTInteract* AttachViewerTool();
    // The effect's viewer tool without placing it, or null.
    FnTInteract* ViewerTool() const;

    // Typed parameter access; non-zero on success.  Reads and writes of the
    // button property fail without reaching the host.
    BOOL GetLongProperty(REFGUID id, int32_t* out);
    BOOL GetBoolProperty(REFGUID id, int32_t* out);
    BOOL GetDoubleProperty(REFGUID id, double* out, uint32_t animated, double time);
    BOOL SetLongProperty(REFGUID id, int32_t value);
    BOOL SetBoolProperty(REFGUID id, int32_t value);
    BOOL SetDoubleProperty(REFGUID id, double value, uint32_t animated, double time);

    // One undo event for the writes in between.
    void BeginUndo(UNDO_STYLE* style = nullptr);
    void EndUndo();
    UNDO_STYLE UndoStyle() const { return undoStyle_; }

    // Sets a dialog item's text from a narrow string (at most 2047
    // characters).
    void SetItemTextNarrow(UINT controlId, const char* text);

    // The property change being handled, or null outside OnParameterChanged.
    const GUID* ChangedProperty() const { return changedProperty_; }
    const DSVARIANT* ChangedValue() const { return changedValue_; }

    const char* PageName() const { return pageName_; }
    const ColBalancePageLayout& Layout() const { return layout_; }
    // Record i edits parameter i of the layout; its control is the layout's
    // control i.
    FnDsPPGControl& Record(size_t i) { return records_[i]; }
    FnDsPPGControl& Record(const ColBalanceParamSpec& param) {
        return records_[layout_.recordOf(param)];
    }

    static void SetModuleInstance(HINSTANCE instance);
    static void SetModuleLockCount(std::atomic<int32_t>* count);

protected:
    // A page of `layout`'s dialog with its title string, its name and its
    // control map.  Records of page-only parameters are local only.
    FnDsPPG(const ColBalancePageLayout& layout, UINT titleId, const char* pageName,
            const CDSPPGControlMap& map);
    // Removes the page's viewer tool, lets the effect go and uncounts the
    // page.
    ~FnDsPPG() override;

    // Links the page to the effect behind the inspected object and places
    // its viewer tool; a page that now inspects another effect removes the
    // old one's tool and lets it go first.  Pages call it from OnInitDialog.
    void LinkEffect();
    // Every record's control as its parameter's row describes it.
    void InitControls();
    // Every record to its parameter's default, as one undo event.
    void ResetRecords();
    // A parameter of the inspected object changed (the bound controls
    // already follow it); ChangedProperty and ChangedValue give the change.
    virtual void OnParameterChanged() {}

    BOOL IsControlLocal(int controlId) override;

private:
    void OnPropertyChanged(REFGUID id, const DSVARIANT* value) final;
    // The effect behind the first inspected object, with a reference, or
    // null when it is no effect of this module.
    FnDsEffect* QueryEffect();
    // Removes the page's viewer tool and lets the effect go.
    void ReleaseEffect();

    const ColBalancePageLayout& layout_;
    const CDSPPGControlMap& map_;
    std::array<FnDsPPGControl, kMostRecords> records_{};
    FnDsEffect* effect_ = nullptr;  // with a reference
    char* pageName_ = nullptr;
    CDSUndoStyleMgr undo_;
    UNDO_STYLE undoStyle_ = 0;
    const GUID* changedProperty_ = nullptr;
    const DSVARIANT* changedValue_ = nullptr;
    bool toolPushed_ = false;
    bool counted_ = false;
};

// A page class's control map: an entry per record of its layout (the
// parameter's GUID, type and description, the record's value as bound
// variable, flags 1 for numbers and 16 for check boxes and lists, the
// handler `handlerOf` gives the parameter), then the page's one button
// (`buttonId`, bound to no property) and the terminator.
using FnDsHandlerOf = CDSControlHandler (*)(const ColBalanceParamSpec& param);

template <size_t I>
void* FnDsBoundNumber(CDSBasePropertyPage* page) {
    return &static_cast<FnDsPPG*>(page)->Record(I).number;
}
template <size_t I>
void* FnDsBoundInteger(CDSBasePropertyPage* page) {
    return &static_cast<FnDsPPG*>(page)->Record(I).integer;
}

template <size_t I>
CDSPPGControlMapEntry FnDsControlEntry(const ColBalancePageLayout& layout,
                                       FnDsHandlerOf handlerOf) {
    const ColBalanceParamSpec& param = *layout.params[I];
    const bool number = param.type == VT_R8;
    return CDSPPGControlMapEntry(
        param.id, param.type, number ? &FnDsBoundNumber<I> : &FnDsBoundInteger<I>, param.type,
        layout.controlOf(I), handlerOf ? handlerOf(param) : nullptr,
        number ? DS_PPG_NUMBER : DS_PPG_LIST, int(param.descriptionId), -1);
}

template <size_t N, size_t... I>
std::array<CDSPPGControlMapEntry, N + 2> FnDsMapEntries(const ColBalancePageLayout& layout,
                                                        FnDsHandlerOf handlerOf, int buttonId,
                                                        CDSControlHandler button,
                                                        int buttonDescription,
                                                        std::index_sequence<I...>) {
    return {FnDsControlEntry<I>(layout, handlerOf)...,
            CDSPPGControlMapEntry(DSPROP_BUTTON, VT_EMPTY, nullptr, VT_EMPTY, buttonId, button,
                                  DS_PPG_BUTTON, buttonDescription, -1),
            CDSPPGControlMapEntry()};
}

template <size_t N>
std::array<CDSPPGControlMapEntry, N + 2> FnDsMapEntries(const ColBalancePageLayout& layout,
                                                        FnDsHandlerOf handlerOf, int buttonId,
                                                        CDSControlHandler button,
                                                        int buttonDescription) {
    return FnDsMapEntries<N>(layout, handlerOf, buttonId, button, buttonDescription,
                             std::make_index_sequence<N>());
}

// The map every page's entries go in: the name, number and base all pages
// share.
inline CDSPPGControlMap FnDsControlMap(const CDSPPGControlMapEntry* entries) {
    return CDSPPGControlMap("Kestro4.3", 1, &CDSBasePropertyPage::m_ControlMap, entries);
}
