// A property page drawn offscreen: the host's page editor with one page
// open on the effect, its controls drawn by the headless painter over the
// widgets the page drew with OpenGL.
#include "host/cli/PageSnapshot.h"

#include <cstring>
#include <filesystem>

#include "effect/ColBalanceApi.h"
#include "host/common/HeadlessDisplay.h"
#include "host/common/ImageFile.h"
#include "host/common/ModuleSession.h"
#include "host/common/ProgramFolder.h"
#include "host/common/UserText.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsPageHost.h"
#include "platform/window/FnHeadlessPainter.h"

namespace {

struct PageEntry {
    const char* name;
    CLSID clsid;
    bool paintFamily;  // the page the pixel-mask family lists
};

constexpr PageEntry kPages[] = {
    {"main", CLSID_ColBalancePPG, false},
    {"curves", CLSID_ToneCurvesPPG, false},
    {"simple", CLSID_SimpleCurvesPPG, true},
    {"help", CLSID_HelpPPG, false},
};

const PageEntry* findPage(const std::string& name) {
    for (const PageEntry& p : kPages)
        if (name == p.name) return &p;
    return nullptr;
}

// Pulls cause no further pulls once answered; a few rounds settle any
// retry the page asks for.
constexpr int kPullRounds = 4;

}  // namespace

bool isPageName(const std::string& name) { return findPage(name) != nullptr; }

bool writePageSnapshot(const PageSnapshotRequest& r, std::string& error) {
    const PageEntry* entry = findPage(r.page);
    if (!entry) {
        error = "--page wants main, curves, simple or help, got " + quotedText(r.page);
        return false;
    }
    ModuleSession session;
    if (!session.open(defaultModulePath(), entry->paintFamily, r.params, error)) return false;

    // The frame the page shows, as the host keeps an 8-bit frame.
    ComPtr<DsImage> source;
    if (!r.input.empty()) {
        FrameImage frame;
        FileInfo info;
        if (!readFrame(r.input, PixelDepth::Eight, frame, info, error)) return false;
        source = DsImage::create(DsImageKind::Rgba8, frame.width, frame.height);
        if (!source) {
            error = "out of memory reading \"" + r.input + "\"";
            return false;
        }
        std::memcpy(source->data(), frame.data(), source->byteSize());
    }

    HeadlessDisplay display;
    if (!display.open(error)) return false;
    recordProgramFolder();
    // The viewer tool the page places (no viewer shows it here).
    session.module().registerClass(CLSID_FnTInteract);
    FnFrame picture;
    {
        DsPageHost host;
        if (!host.registered()) {
            error = "the page host could not register its services";
            return false;
        }
        host.setEffect(session.effect());
        host.setSource(source.get());
        host.setTime(r.time);
        size_t index = 0;
        const HRESULT hr = host.openPage(session.module(), entry->clsid, &index);
        if (FAILED(hr)) {
            char text[16];
            std::snprintf(text, sizeof text, "0x%08X", unsigned(hr));
            error = std::string("the module would not open the ") + entry->name + " page (" + text +
                    ")";
            return false;
        }
        for (int round = 0; round < kPullRounds && host.pendingPulls(); ++round)
            host.deliverPulls();
        FnHeadlessPainter painter(&display.system());
        picture = painter.Paint(host.dialog(index));
        host.closeAll();
    }
    return HeadlessDisplay::writePng(picture, r.output, error);
}
