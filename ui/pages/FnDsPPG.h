// FnDsPPG: what the effect's four property pages share on top of the SDK's
// page.  It links the page to the effect it edits (the effect's FnDsEffect
// part, found by querying the inspected object for the effect's class id)
// and through it places and removes the effect's viewer tool; it groups
// several parameter writes into one undo event; it gives typed parameter
// reads and writes on top of the host's variant calls; it tells the effect
// when the page is shown; and it opens the documentation for Help.
//
// The module gives it its instance handle and live-object count when it
// loads (SetModuleInstance, SetModuleLockCount).  User-interface thread
// only.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "effect/ColBalanceParams.h"
#include "platform/dssdk/CDSBasePropertyPage.h"
#include "platform/dssdk/CDSUndoStyleMgr.h"
#include "ui/pages/FnDsPPGControl.h"

class FnDsEffect;
class FnTInteract;

class FnDsPPG : public CDSPropertyPage {
public:
    FnDsPPG(UINT dialogId, UINT titleId, const char* pageName);

    // The base's Show; then, for SW_SHOWNORMAL and SW_SHOW, the effect hears
    // that the page was shown.
    HRESULT Show(UINT command) override;
    // Opens the documentation (the help page's OpenOnlineHelp); S_OK.
    HRESULT Help(const WCHAR* directory) override;
    HINSTANCE GetInstanceHandle() override;

    // The effect the page edits (no reference of its own), or null.
    FnDsEffect* EffectLink() const { return effectLink_; }
    // Places the effect's viewer tool for the inspected object (once per
    // page) and returns it; null without an effect or a tool.
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

    // The property change being handled, or null outside PropertyChanged.
    const GUID* ChangedProperty() const { return changedProperty_; }
    const DSVARIANT* ChangedValue() const { return changedValue_; }

    const char* PageName() const { return pageName_; }

    static void SetModuleInstance(HINSTANCE instance);
    static void SetModuleLockCount(std::atomic<int32_t>* count);

protected:
    ~FnDsPPG() override;

    // The effect behind the first inspected object, with a reference, or
    // null when it is no effect of this module.
    FnDsEffect* QueryEffect();
    // Keeps `effect` (a page member) and makes it the effect link; an
    // effect already held stays.
    void LinkEffect(FnDsEffect*& effect);
    // Removes the page's viewer tool, releases `effect` and clears the link.
    void ReleaseEffect(FnDsEffect*& effect);
    // Counts the page in the module's live objects when the module gave a
    // count; true when it did.
    static bool CountPage();
    static void UncountPage();

    // The page's records, for IsControlLocal.
    void SetControlRecords(FnDsPPGControl* records, size_t count);
    BOOL IsControlLocal(int controlId) override;

    // Records the change being handled (null, null when done).
    void SetChange(const GUID* property, const DSVARIANT* value);

private:
    FnDsEffect* effectLink_ = nullptr;
    char* pageName_ = nullptr;
    CDSUndoStyleMgr undo_;
    UNDO_STYLE undoStyle_ = 0;
    const GUID* changedProperty_ = nullptr;
    const DSVARIANT* changedValue_ = nullptr;
    FnDsPPGControl* records_ = nullptr;
    size_t recordCount_ = 0;
    bool toolPushed_ = false;
};

// Control-map pieces built from the parameter table.
//
// The bound variable of record I of a page class, which gives its records
// through Record(i).
template <class Page, size_t I>
void* FnDsBoundNumber(CDSBasePropertyPage* page) {
    return &static_cast<Page*>(page)->Record(I).number;
}
template <class Page, size_t I>
void* FnDsBoundInteger(CDSBasePropertyPage* page) {
    return &static_cast<Page*>(page)->Record(I).integer;
}

// The entry of record I: the parameter's GUID, type and description; flags
// 1 for numbers, 16 for check boxes and lists.
template <class Page, size_t I>
CDSPPGControlMapEntry FnDsControlEntry(const ColBalanceParamSpec& param, int controlId,
                                       void (Page::*handler)() = nullptr) {
    const bool number = param.type == VT_R8;
    return CDSPPGControlMapEntry(
        param.id, param.type, number ? &FnDsBoundNumber<Page, I> : &FnDsBoundInteger<Page, I>,
        param.type, controlId, handler ? static_cast<CDSControlHandler>(handler) : nullptr,
        number ? DS_PPG_NUMBER : DS_PPG_LIST, int(param.descriptionId), -1);
}

// A push button bound to no property.
template <class Page>
CDSPPGControlMapEntry FnDsButtonEntry(int controlId, void (Page::*handler)(), int descriptionId) {
    return CDSPPGControlMapEntry(DSPROP_BUTTON, VT_EMPTY, nullptr, VT_EMPTY, controlId,
                                 static_cast<CDSControlHandler>(handler), DS_PPG_BUTTON,
                                 descriptionId, -1);
}

// The name, number and base every page's map has.
inline constexpr const char* kFnDsControlMapName = "Kestro4.3";
inline constexpr int kFnDsControlMapNumber = 1;
