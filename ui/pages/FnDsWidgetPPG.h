// FnDsWidgetPPG: a page whose widgets stand in a widget host window over
// the dialog's placeholder (the main page's colour circle, the curves
// pages' curves).  The widgets follow the records whenever the page is
// shown, the host's time moves or a parameter of the inspected object
// changes (Refresh); Reset returns every record of the page to its
// parameter's default as one undo event.  The page hears its widgets'
// messages as their listener.
#pragma once

#include "ui/pages/FnDsPPG.h"
#include "ui/toolkit/FnMessageHandler.h"
#include "ui/toolkit/FnwTrouser.h"

class FnDsWidgetPPG : public FnDsPPG, protected FnMessageHandler {
public:
    // The base's Show, then Refresh.
    HRESULT Show(UINT command) override;
    // The controls follow the new time, then Refresh.
    HRESULT UpdateAnimatedControls(double time) override;
    // The Reset button.
    void ResetPage();

    FnwTrouser& WidgetHost() { return host_; }

protected:
    using FnDsPPG::FnDsPPG;
    ~FnDsWidgetPPG() override = default;

    // What the widgets show, taken from the records; the host window is
    // drawn again.
    virtual void Refresh() = 0;
    void OnParameterChanged() override { Refresh(); }
    // Hides the placeholder and makes the host window over its rectangle
    // (cut to a square at its top-left corner when `square`); nothing when
    // the window exists already.
    void CreateWidgetHost(int placeholderId, const char* title, bool square);
    // Draws the host window again at once.
    void Repaint();

    FnwTrouser host_;
};
