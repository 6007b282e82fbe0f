// ColBalancePPG: the main colour page, "K_ColBalance".  It edits the hue,
// saturation and luminance shift of each tonal range (Master, Lowlight,
// Midtones, Highlight) and Preserve Luminance.  The Which combo box picks
// the range being edited: only that range's three number controls show,
// and the colour circle shows and edits its hue (angle) and saturation
// (distance from the centre, the rim being 25).  A circle drag is written
// when it ends, as one undo event; Reset returns the page to its defaults
// as one undo event.
#pragma once

#include <cstddef>

#include "ui/controls/FnTColDisk.h"
#include "ui/pages/FnDsPPG.h"
#include "ui/toolkit/FnMessageHandler.h"
#include "ui/toolkit/FnwTrouser.h"

class ColBalancePPG final : public FnDsPPG, private FnMessageHandler {
public:
    // The records, in control-map order.
    enum Record : size_t {
        kMasterHue,
        kMasterSaturation,
        kLowlightHue,
        kLowlightSaturation,
        kMidtonesHue,
        kMidtonesSaturation,
        kHighlightHue,
        kHighlightSaturation,
        kPreserveLuminance,
        kWhich,
        kMasterLuminance,
        kLowlightLuminance,
        kMidtonesLuminance,
        kHighlightLuminance,
        kRecordCount
    };

    ColBalancePPG();

    const CDSPPGControlMap* GetControlMap() override;
    BOOL OnInitDialog() override;
    HRESULT Show(UINT command) override;
    HRESULT UpdateAnimatedControls(double time) override;
    HRESULT PropertyChanged(REFGUID id, const DSVARIANT* value, IUnknown* object, void* params,
                            DWORD flags) override;

    // The circle shows the selected range's hue and saturation.
    void UpdateColourCircle();
    // Shows the selected range's controls and hides the others'.
    void UpdateWhich();
    // Every parameter of the page to its default, as one undo event.
    void ResetPage();

    FnDsPPGControl& Record(size_t i) { return records_[i]; }
    FnTColDisk& ColourCircle() { return circle_; }
    FnwTrouser& WidgetHost() { return host_; }

private:
    ~ColBalancePPG() override;
    int HandleMessage(const FnMessage& message, FnMessageSender* sender) override;

    FnDsPPGControl records_[kRecordCount]{};
    FnwTrouser host_;
    FnDsEffect* effect_ = nullptr;
    FnTColDisk circle_;
    bool counted_ = false;
};
