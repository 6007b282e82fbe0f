// The editor's latency: from a parameter change, as a control makes it, to
// the updated frame painted in the window, on a 1920x1080 8-bit frame, and
// the frames a drag shows per second.  Runs the real window on a display
// (xvfb-run for none); see bench/README.md.
//
//   bench_editor_latency [--changes N] [--size WxH]
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "host/common/ImageFile.h"
#include "host/common/ModuleSession.h"
#include "host/editor/EditorSession.h"
#include "host/editor/EditorWindow.h"
#include "host/editor/EditorWindowSystem.h"
#include "host/editor/NumberField.h"
#include "host/editor/ParamPanel.h"
#include "host/editor/ViewerWidget.h"

namespace {

// A smooth gradient with mild noise, as bench_engine's frames.
bool writeFrame1080(const std::string& path, std::string& error) {
    FrameImage f;
    f.reshape(1920, 1080, PixelDepth::Eight);
    std::mt19937 noise(7);
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x) {
            uint8_t* p = &f.u8()[(size_t(y) * f.width + x) * 4];
            const int n = int(noise() % 9) - 4;
            p[0] = uint8_t(std::clamp(x * 255 / 1919 + n, 0, 255));
            p[1] = uint8_t(std::clamp(y * 255 / 1079 + n, 0, 255));
            p[2] = uint8_t(std::clamp((x + y) * 255 / 2998 - n, 0, 255));
            p[3] = 255;
        }
    FileInfo info;
    info.spec = OIIO::ImageSpec(f.width, f.height, 4, OIIO::TypeDesc::UINT8);
    return writeFrame(path, info, f, error);
}

struct Stats {
    double median, p90, max;
};

Stats stats(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[v.size() * 9 / 10], v.back()};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser args;
    const QCommandLineOption changes("changes", "parameter changes to time", "N", "60");
    const QCommandLineOption size("size", "window size", "WxH", "1400x860");
    args.addOptions({changes, size});
    args.process(app);

    QTemporaryDir dir;
    const std::string frame = dir.filePath("frame1080.png").toStdString();
    std::string error;
    EditorWindowSystem system;
    if (!writeFrame1080(frame, error) || !system.open(error)) {
        std::fprintf(stderr, "bench_editor_latency: %s\n", error.c_str());
        return 1;
    }
    EditorWindow window(system);
    if (!window.openModule(defaultModulePath(), error)) {
        std::fprintf(stderr, "bench_editor_latency: %s\n", error.c_str());
        return 1;
    }
    const QStringList wh = args.value(size).split('x');
    window.resize(wh.value(0).toInt(), wh.value(1).toInt());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "the window never showed\n");
    window.openInput(frame, std::nullopt, error);
    EditorSession& session = window.session();
    ParamDocument& doc = session.document();
    ViewerWidget* viewer = window.viewer();
    const auto& params = session.module().params();
    auto indexOf = [&](const char* name) {
        for (size_t i = 0; i < params.size(); ++i)
            if (params[i].name == name) return i;
        return size_t(0);
    };
    const size_t hue = indexOf("Master Hue"), sat = indexOf("Master Saturation");
    // Until the newest request is painted; returns the milliseconds taken.
    auto waitPainted = [&](QElapsedTimer& clock) {
        do {
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        } while (viewer->paintedSerial() != session.lastRequest() || session.lastRequest() == 0);
        return double(clock.nsecsElapsed()) / 1e6;
    };
    QElapsedTimer clock;
    clock.start();
    waitPainted(clock);
    doc.setValue(sat, 40, 0);
    waitPainted(clock);

    std::vector<double> renders;
    QObject::connect(
        &session, &EditorSession::rendered,
        [&](std::shared_ptr<const RenderResult> r) { renders.push_back(r->milliseconds); });
    auto run = [&](const char* label) {
        std::vector<double> latency;
        renders.clear();
        const int n = args.value(changes).toInt();
        for (int i = 0; i < n; ++i) {
            QTest::qWait(30);  // the machine at rest between changes, as between a user's
            QElapsedTimer t;
            t.start();
            // What a number field's edit does.
            doc.setValue(hue, double((i * 37) % 360), 0);
            latency.push_back(waitPainted(t));
        }
        const Stats l = stats(latency), r = stats(renders);
        std::printf(
            "%-22s viewer %4dx%-4d zoom %5.3f: change to screen median %6.2f ms, p90 "
            "%6.2f, max %6.2f (worker: read+render+convert median %5.2f ms)\n",
            label, viewer->width(), viewer->height(), viewer->zoom(), l.median, l.p90, l.max,
            r.median);
    };
    viewer->fit();
    run("fitted");
    viewer->actualPixels();
    run("1:1");

    // A drag: a scrub event every 16 ms for 3 s; frames painted per second.
    viewer->fit();
    auto* field = qobject_cast<NumberField*>(window.panel()->editor(hue));
    unsigned painted = 0;
    QObject::connect(viewer, &ViewerWidget::resultPainted, [&](quint64) { ++painted; });
    doc.beginEdit("drag");
    QElapsedTimer drag;
    drag.start();
    for (int step = 0; drag.elapsed() < 3000; ++step) {
        QElapsedTimer tick;
        tick.start();
        emit field->valueScrubbed(double(step % 720 - 360));
        while (tick.elapsed() < 16) QApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    doc.endEdit();
    std::printf("drag (an edit every 16 ms for 3 s): %.1f frames painted per second\n",
                painted / (drag.elapsed() / 1000.0));
    doc.undoStack()->setClean();
    return 0;
}
