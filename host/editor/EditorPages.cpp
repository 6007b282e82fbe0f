// The effect's property pages, hosted over the editor's parameters.
#include "host/editor/EditorPages.h"

#include <cstring>
#include <filesystem>

#include "effect/ColBalanceApi.h"
#include "host/common/ProgramFolder.h"
#include "host/editor/EditorSession.h"
#include "platform/dshost/DsImage.h"
#include "platform/window/FnControlState.h"

namespace {

// The pages an artist edits the effect with, in the order they are shown.
constexpr CLSID kPages[] = {CLSID_ColBalancePPG, CLSID_ToneCurvesPPG, CLSID_SimpleCurvesPPG,
                            CLSID_HelpPPG};

// Pulls are few and small; a short poll answers them soon after a page
// asks without the page host having to call back.
constexpr int kPullPollMs = 30;

QString hex(HRESULT h) { return QString("0x%1").arg(quint32(h), 8, 16, QChar('0')).toUpper(); }

}  // namespace

EditorPages::EditorPages(EditorSession& session, QObject* parent)
    : QObject(parent), session_(session) {
    ParamDocument& doc = session_.document();
    connect(&doc, &ParamDocument::changed, this,
            [this](int i) { host_.propertyChanged(session_.module().paramId(size_t(i))); });
    connect(&session_, &EditorSession::frameChanged, this,
            [this] { host_.setTime(session_.time()); });
    connect(&pulls_, &QTimer::timeout, this, [this] { deliverPulls(); });
}

EditorPages::~EditorPages() {
    host_.closeAll();
    host_.setParamStore(nullptr);
}

bool EditorPages::open(std::string& error) {
    if (!host_.registered()) {
        error = "the page host could not register its services";
        return false;
    }
    recordProgramFolder();
    host_.setEffect(session_.module().effect());
    host_.setParamStore(this);
    host_.setTime(session_.time());
    for (const CLSID& clsid : kPages) {
        size_t index = 0;
        const HRESULT hr = host_.openPage(session_.module().module(), clsid, &index, false);
        if (FAILED(hr)) {
            error = "the module would not open its property page " +
                    std::to_string(titles_.size()) + " (" + hex(hr).toStdString() + ")";
            host_.closeAll();
            titles_.clear();
            return false;
        }
        PROPPAGEINFO info{};
        host_.page(index)->GetPageInfo(&info);
        info.title[sizeof info.title - 1] = '\0';
        titles_.push_back(QString::fromUtf8(info.title));
        // Out of the way of the viewer's window: the layer's pointer goes
        // to whatever lies under it.
        const HWND frame = host_.frame(index);
        RECT r{};
        GetClientRect(frame, &r);
        MoveWindow(frame, 20000 + int(index) * 4000, 0, r.right, r.bottom, FALSE);
    }
    pulls_.start(kPullPollMs);
    return true;
}

void EditorPages::show(size_t index, bool shown) {
    if (index < count()) host_.showPage(index, shown ? SW_SHOW : SW_HIDE);
}

void EditorPages::setSource(const std::shared_ptr<const ViewImage>& source) {
    if (source == source_) return;
    source_ = source;
    ComPtr<DsImage> image;
    if (source && source->width > 0 && source->height > 0 &&
        (image = DsImage::create(DsImageKind::Rgba8, source->width, source->height)) &&
        image->byteSize() == source->rgba.size())
        std::memcpy(image->data(), source->rgba.data(), image->byteSize());
    else
        image.reset();
    host_.setSource(image.get());
    // The pages count the new frame: told the time again, they pull it.
    host_.setTime(session_.time());
}

size_t EditorPages::deliverPulls() { return host_.pendingPulls() ? host_.deliverPulls() : 0; }

HRESULT EditorPages::write(REFGUID id, double value, bool, double time) {
    ParamDocument& doc = session_.document();
    for (size_t i = 0; i < doc.count(); ++i) {
        if (session_.module().paramId(i) != id) continue;
        // A keyed parameter takes the write as a key at the time, as the
        // page host records it; the others as their value.
        std::string error;
        if (doc.setValue(i, value, time, &error)) return S_OK;
        emit failed(QString::fromStdString(error));
        return E_FAIL;
    }
    return E_INVALIDARG;
}

void EditorPages::beginUndo(DWORD command) { session_.document().beginEdit(stepName(command)); }

void EditorPages::endUndo() { session_.document().endEdit(); }

QString EditorPages::stepName(DWORD command) const {
    if (command == 0) return {};
    for (size_t i = 0; i < count(); ++i) {
        FnControlInfo info;
        if (!FnGetControlInfo(GetDlgItem(dialog(i), int(command)), &info)) continue;
        if (!info.state.label.empty()) return QString::fromStdString("Change " + info.state.label);
        if (!info.text.empty()) return QString::fromStdString(info.text);
    }
    return {};
}
