// editor_snapshot: the picture of the editor in the README.  Opens an image
// (and a params file) in the editor's window as a user would, waits for the
// frame to be on screen, and writes the window as a PNG.  Run it under a
// display (xvfb-run for none).
//
//   editor_snapshot IN [--params FILE.json] [--tab N|TITLE] [--size WxH] -o SHOT.png
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

#include "host/common/ModuleSession.h"
#include "host/editor/EditorSession.h"
#include "host/editor/EditorWindow.h"
#include "host/editor/EditorWindowSystem.h"
#include "host/editor/ViewerWidget.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.addPositionalArgument("IN", "image");
    const QCommandLineOption params("params", "parameters file", "FILE");
    const QCommandLineOption out("o", "output PNG", "SHOT.png");
    const QCommandLineOption tab("tab", "parameter tab to show: its number or its title", "TAB",
                                 "0");
    const QCommandLineOption size("size", "window size", "WxH", "1400x860");
    const QCommandLineOption split("split", "show before and after split");
    args.addOptions({params, out, tab, size, split});
    args.process(app);
    auto fail = [](const std::string& why) {
        std::fprintf(stderr, "editor_snapshot: %s\n", why.c_str());
        return 1;
    };
    if (args.positionalArguments().size() != 1 || !args.isSet(out))
        return fail("need IN and -o SHOT.png");

    EditorWindowSystem system;
    std::string error;
    if (!system.open(error)) return fail(error);
    EditorWindow window(system);
    if (!window.openModule(defaultModulePath(), error)) return fail(error);
    const QStringList wh = args.value(size).split('x');
    if (wh.size() == 2) window.resize(wh[0].toInt(), wh[1].toInt());
    window.show();
    if (!window.openInput(args.positionalArguments()[0].toStdString(), std::nullopt, error))
        return fail(error);
    if (args.isSet(params) && !window.loadParams(args.value(params).toStdString(), error))
        return fail(error);
    bool numbered = false;
    const int tabIndex = args.value(tab).toInt(&numbered);
    if (numbered && tabIndex >= 0 && tabIndex < window.panelTabs()->count())
        window.panelTabs()->setCurrentIndex(tabIndex);
    else if (numbered || !window.showTab(args.value(tab)))
        return fail("no tab \"" + args.value(tab).toStdString() + "\"");
    if (args.isSet(split)) window.action("split")->trigger();

    // Until the newest render is on screen, then a moment for the rest of
    // the window to settle.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (window.viewer()->shownSerial() == window.session().lastRequest() &&
            window.viewer()->shownSerial() > 0 && clock.elapsed() > 1500)
            break;
    }
    window.viewer()->fit();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500) QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!window.grab().save(args.value(out), "PNG")) return fail("cannot write the picture");
    window.session().document().undoStack()->setClean();
    return 0;
}
