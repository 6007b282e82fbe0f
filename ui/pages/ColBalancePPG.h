// ColBalancePPG: the main colour page, "K_ColBalance".  It edits the hue,
// saturation and luminance shift of each tonal range (Master, Lowlight,
// Midtones, Highlight) and Preserve Luminance (kMainPageLayout).  The Which
// combo box picks the range being edited: only that range's three number
// controls show, and the colour circle shows and edits its hue (angle) and
// saturation (distance from the centre, the rim being 25).  A circle drag
// is written when it ends, as one undo event; Reset returns the page to its
// defaults as one undo event.
#pragma once

#include "ui/controls/FnTColDisk.h"
#include "ui/pages/FnDsWidgetPPG.h"

class ColBalancePPG final : public FnDsWidgetPPG {
public:
    ColBalancePPG();

    BOOL OnInitDialog() override;

    // The circle shows the selected range's hue and saturation.
    void UpdateColourCircle();
    // Shows the selected range's controls and hides the others', then the
    // circle follows.
    void UpdateWhich();

    FnTColDisk& ColourCircle() { return circle_; }

private:
    ~ColBalancePPG() override;
    void Refresh() override { UpdateWhich(); }
    // The circle moves only for a change of the shown range's hue or
    // saturation.
    void OnParameterChanged() override;
    int HandleMessage(const FnMessage& message, FnMessageSender* sender) override;

    FnTColDisk circle_;
};
