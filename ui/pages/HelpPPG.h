// HelpPPG: the help page, "Help".  It shows the effect's description, the
// product and version line and the legal notice, the Hide Overlay Controls
// check box that switches the viewer tool's overlay off and on, and an
// Online Help button that opens the documentation.
#pragma once

#include <string>

#include "ui/pages/FnDsPPG.h"

class HelpPPG final : public FnDsPPG {
public:
    HelpPPG();

    BOOL OnInitDialog() override;

    // The overlay follows the check box (nothing without a viewer tool).
    void ApplyOverlayVisibility();
    // Opens the documentation through the shell: the program files folder
    // from the registry ("C:\Program Files" when it has none), then
    // "\Quorrel\Kestro 4.3 for DS10 (64bit)\Documentation\Kestro4.3.pdf".
    // The topic is not used.  Returns the shell's result.
    static HINSTANCE OpenOnlineHelp(const char* topic);
    // The path OpenOnlineHelp opens.
    static std::u16string DocumentationPath();
    // The Online Help button.
    void OnlineHelpButton();

private:
    ~HelpPPG() override;
};
