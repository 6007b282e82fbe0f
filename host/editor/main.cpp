// colbalance-editor: colour-balances an image or a sequence interactively
// through the effect module, loaded as colbalance loads it.
//
//   colbalance-editor [IN] [--params FILE.json] [--frames A-B]
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>

#include "host/common/ModuleSession.h"
#include "host/common/OutputBatch.h"
#include "host/editor/EditorWindow.h"
#include "host/editor/EditorWindowSystem.h"
#include "host/editor/RecoveryFile.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("colbalance-editor");
    QCommandLineParser args;
    args.setApplicationDescription(
        "Colour-balances an image or an image sequence interactively through the effect "
        "module.");
    args.addHelpOption();
    args.addPositionalArgument("IN", "image, or sequence (shot.%04d.exr or shot.####.exr)", "[IN]");
    const QCommandLineOption params("params", "parameters file (values and keyframes)", "FILE");
    const QCommandLineOption frames("frames", "frame range A-B of a sequence", "A-B");
    args.addOption(params);
    args.addOption(frames);
    args.process(app);

    auto fail = [](const QString& message) {
        std::fprintf(stderr, "colbalance-editor: %s\n", qPrintable(message));
        QMessageBox::critical(nullptr, "colbalance-editor", message);
        return 1;
    };
    std::optional<FrameRange> range;
    if (args.isSet(frames)) {
        range = parseFrameRange(args.value(frames).toStdString());
        if (!range)
            return fail("--frames wants A-B with A <= B, got \"" + args.value(frames) + "\"");
    }
    const QStringList rest = args.positionalArguments();
    if (rest.size() > 1) return fail("one IN at most; see --help");

    installOutputCleanup("colbalance-editor");
    EditorWindowSystem system;
    std::string error;
    if (!system.open(error)) return fail(QString::fromStdString(error));
    EditorWindow window(system);
    if (!window.openModule(defaultModulePath(), error)) return fail(QString::fromStdString(error));
    window.show();
    // Problems with the files given are said in the window, which stays.
    // The parameters file first: work an editor left unsaved for IN is
    // newer, and is offered over it.
    if (args.isSet(params) && !window.loadParams(args.value(params).toStdString(), error))
        QMessageBox::warning(&window, "Open Parameters", QString::fromStdString(error));
    window.keepRecovery(RecoveryFile::defaultFolder());
    if (!rest.isEmpty() && !window.openInput(rest[0].toStdString(), range, error))
        QMessageBox::warning(&window, "Open", QString::fromStdString(error));
    return app.exec();
}
