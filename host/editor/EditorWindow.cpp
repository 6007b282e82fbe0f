// colbalance-editor's main window.
#include "host/editor/EditorWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <filesystem>

#include "host/common/GradingSpace.h"
#include "host/common/ProgramFolder.h"
#include "host/common/StderrCapture.h"
#include "host/common/Version.h"
#include "host/editor/ColourBar.h"
#include "host/editor/EditorPages.h"
#include "host/editor/EditorSession.h"
#include "host/editor/PageView.h"
#include "host/editor/ParamPanel.h"
#include "host/editor/RecoveryKeeper.h"
#include "host/editor/SequenceExport.h"
#include "host/editor/TimeBar.h"
#include "host/editor/ViewerWidget.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

// Image files OpenImageIO reads, for the file dialogs.
const char* kImageFilter =
    "Images (*.exr *.tif *.tiff *.png *.jpg *.jpeg *.dpx *.cin *.tga *.bmp *.hdr *.ppm *.psd "
    "*.sgi *.rgb *.webp *.jp2 *.heic *.avif);;All files (*)";

// The user's settings: ~/.config/colbalance-editor/colbalance-editor.conf
// (under $XDG_CONFIG_HOME when set).
constexpr const char* kSettingsFolder = "colbalance-editor";
constexpr const char* kColourConfigKey = "colour/config";

}  // namespace

EditorWindow::EditorWindow(EditorWindowSystem& system, QWidget* parent)
    : QMainWindow(parent), system_(system), session_(std::make_unique<EditorSession>()) {
    auto* split = new QSplitter(Qt::Horizontal);
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    colourBar_ = new ColourBar(*session_);
    leftLayout->addWidget(colourBar_);
    viewer_ = new ViewerWidget(system_);
    leftLayout->addWidget(viewer_, 1);
    timeBar_ = new TimeBar(left);
    timeBar_->hide();
    leftLayout->addWidget(timeBar_);
    connect(timeBar_, &TimeBar::frameChosen, this, [this](long f) { session_->setFrame(f); });
    split->addWidget(left);
    tabs_ = new QTabWidget;
    tabs_->setMinimumWidth(340);
    // Every tab's title in sight: the pages and All parameters.
    tabs_->setUsesScrollButtons(false);
    split->addWidget(tabs_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    setCentralWidget(split);

    zoomLabel_ = new QLabel;
    timingLabel_ = new QLabel;
    timingLabel_->setObjectName("timing");
    progress_ = new QProgressBar;
    progress_->setMaximumWidth(220);
    progress_->hide();
    cancel_ = new QPushButton("Cancel render");
    cancel_->hide();
    statusBar()->addPermanentWidget(progress_);
    statusBar()->addPermanentWidget(cancel_);
    statusBar()->addPermanentWidget(timingLabel_);
    statusBar()->addPermanentWidget(zoomLabel_);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (export_) export_->cancel();
    });

    connect(viewer_, &ViewerWidget::viewChanged, this,
            [this] { zoomLabel_->setText(QString("%1%").arg(viewer_->zoom() * 100, 0, 'f', 0)); });
    connect(session_.get(), &EditorSession::rendered, this,
            [this](std::shared_ptr<const RenderResult> r) { onRendered(*r); });
    connect(session_.get(), &EditorSession::inputChanged, this, [this] { onInputChanged(); });
    connect(session_.get(), &EditorSession::frameChanged, this, [this](long f) {
        timeBar_->setFrame(f);
        if (panel_) panel_->setTime(session_->time());
    });
    buildMenus();
    if (!viewer_->failure().isEmpty()) showMessage("The viewer cannot draw: " + viewer_->failure());
    resize(1400, 860);
    updateTitle();
}

EditorWindow::~EditorWindow() {
    // Everything holding the effect lets go before the module does: the
    // mirrors of the pages before the pages, the pages before the viewer
    // that was there first.
    delete export_.data();
    recovery_.reset();
    delete tabs_;
    panel_ = nullptr;
    tabs_ = nullptr;
    pageViews_.clear();
    pages_.reset();
    viewer_->setEffect(nullptr);
    session_.reset();
}

bool EditorWindow::openModule(const std::string& modulePath, std::string& error) {
    if (!session_->open(modulePath, error)) return false;
    ParamDocument& doc = session_->document();
    panel_ = new ParamPanel(doc);
    connect(panel_, &ParamPanel::failed, this, &EditorWindow::showMessage);
    auto* scroll = new QScrollArea;
    scroll->setWidget(panel_);
    scroll->setWidgetResizable(true);
    tabs_->insertTab(0, scroll, "All parameters");
    tabs_->setCurrentIndex(0);
    viewer_->setEffect(&session_->module());
    connect(colourBar_, &ColourBar::failed, this, &EditorWindow::showMessage);
    connect(session_.get(), &EditorSession::colourProblem, this, &EditorWindow::showMessage);
    connect(&doc, &ParamDocument::gradingSpaceChanged, colourBar_, &ColourBar::showWorkingSpace);
    loadColourConfig();
    openPages();
    connect(&doc, &ParamDocument::changed, this, [this](int i) {
        if (session_->module().paramId(size_t(i)) == ColBalanceParam::HideOverlayControls.id)
            viewer_->setOverlayHidden(session_->document().valueAt(size_t(i), 0) != 0);
    });

    QUndoStack* undo = doc.undoStack();
    action("undo")->setEnabled(false);
    action("redo")->setEnabled(false);
    connect(undo, &QUndoStack::canUndoChanged, action("undo"), &QAction::setEnabled);
    connect(undo, &QUndoStack::canRedoChanged, action("redo"), &QAction::setEnabled);
    connect(undo, &QUndoStack::cleanChanged, this, [this] { updateTitle(); });
    connect(action("undo"), &QAction::triggered, undo, &QUndoStack::undo);
    connect(action("redo"), &QAction::triggered, undo, &QUndoStack::redo);
    connect(undo, &QUndoStack::indexChanged, this, [this, undo] {
        if (undo->index() > 0) action("undo")->setText("&Undo " + undo->undoText());
    });
    return true;
}

void EditorWindow::openPages() {
    auto pages = std::make_unique<EditorPages>(*session_);
    std::string error;
    if (!pages->open(error)) {
        showMessage("The property pages cannot open (" + q(error) +
                    "); All parameters edits "
                    "everything.");
        return;
    }
    pages_ = std::move(pages);
    connect(pages_.get(), &EditorPages::failed, this, &EditorWindow::showMessage);
    for (size_t i = 0; i < pages_->count(); ++i) {
        auto* view = new PageView(system_, pages_->dialog(i));
        auto* scroll = new QScrollArea;
        scroll->setWidget(view);
        scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // Both tone-curves pages carry the same title; the one without the
        // histogram is told apart in its tab.
        QString title = pages_->title(i);
        for (size_t j = 0; j < i; ++j)
            if (pages_->title(j) == title) title += " (simple)";
        tabs_->insertTab(int(i), scroll, title);
        pageViews_.push_back(view);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { onTabChanged(); });
    tabs_->setCurrentIndex(0);
    onTabChanged();
}

void EditorWindow::onTabChanged() {
    // Only the page in front is shown, as a host shows one page at a time:
    // a page coming to the front reads its parameters and pulls its frame.
    const int current = tabs_->currentIndex();
    for (size_t i = 0; i < pageViews_.size(); ++i)
        if (int(i) != current) pages_->show(i, false);
    if (current >= 0 && size_t(current) < pageViews_.size()) {
        pages_->show(size_t(current), true);
        pageViews_[size_t(current)]->sync();
    }
}

PageView* EditorWindow::pageView(size_t index) const {
    return index < pageViews_.size() ? pageViews_[index] : nullptr;
}

int EditorWindow::addPanelTab(QWidget* page, const QString& title) {
    return tabs_->addTab(page, title);
}

bool EditorWindow::showTab(const QString& title) {
    for (int i = 0; i < tabs_->count(); ++i)
        if (tabs_->tabText(i) == title) {
            tabs_->setCurrentIndex(i);
            return true;
        }
    return false;
}

QAction* EditorWindow::action(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void EditorWindow::buildMenus() {
    auto make = [this](const QString& name, const QString& text, const QKeySequence& keys,
                       auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        if (!keys.isEmpty()) a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction(
        make("open", "&Open Image or Sequence...", QKeySequence::Open, [this] { openDialog(); }));
    file->addAction(make("openParams", "Open &Parameters...", QKeySequence("Ctrl+Shift+O"),
                         [this] { openParamsDialog(); }));
    file->addSeparator();
    file->addAction(make("save", "&Save Parameters", QKeySequence::Save, [this] { save(); }));
    file->addAction(make("saveAs", "Save Parameters &As...", QKeySequence("Ctrl+Shift+S"),
                         [this] { saveAs(); }));
    file->addSeparator();
    file->addAction(
        make("export", "&Render to Files...", QKeySequence("Ctrl+R"), [this] { exportDialog(); }));
    file->addSeparator();
    file->addAction(
        make("colourConfig", "Colour &Config...", {}, [this] { colourConfigDialog(); }));
    file->addAction(make("defaultColourConfig", "&Default Colour Config", {}, [this] {
        std::string error;
        if (!setColourConfig("", error)) QMessageBox::warning(this, "Colour Config", q(error));
    }));
    file->addSeparator();
    file->addAction(make("quit", "&Quit", QKeySequence::Quit, [this] { close(); }));

    QMenu* edit = menuBar()->addMenu("&Edit");
    auto* undo = new QAction("&Undo", this);
    undo->setObjectName("undo");
    undo->setShortcut(QKeySequence::Undo);
    auto* redo = new QAction("&Redo", this);
    redo->setObjectName("redo");
    redo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* view = menuBar()->addMenu("&View");
    QToolBar* bar = addToolBar("View");
    bar->setObjectName("viewBar");
    bar->setMovable(false);
    QAction* fit = make("fit", "&Fit", QKeySequence("Ctrl+0"), [this] { viewer_->fit(); });
    QAction* actual =
        make("actual", "&1:1 Pixels", QKeySequence("Ctrl+1"), [this] { viewer_->actualPixels(); });
    auto* modes = new QActionGroup(this);
    auto mode = [&](const QString& name, const QString& text, const QKeySequence& keys,
                    ViewerWidget::Mode m) {
        QAction* a = make(name, text, keys, [this, m] { viewer_->setMode(m); });
        a->setCheckable(true);
        modes->addAction(a);
        return a;
    };
    QAction* after = mode("after", "&After", QKeySequence("A"), ViewerWidget::Mode::After);
    QAction* before = mode("before", "&Before", QKeySequence("B"), ViewerWidget::Mode::Before);
    QAction* split =
        mode("split", "&Split Before/After", QKeySequence("S"), ViewerWidget::Mode::Split);
    after->setChecked(true);
    // One key flips between the two, for comparing in place.
    QAction* flip = make("flip", "&Toggle Before/After", QKeySequence("\\"),
                         [before, after] { (before->isChecked() ? after : before)->trigger(); });
    auto* mattes = new QActionGroup(this);
    const char* names[4] = {"&Picture", "&Lowlights Matte", "&Midtones Matte", "&Highlights Matte"};
    QList<QAction*> matteActions;
    for (int r = 0; r < 4; ++r) {
        QAction* a =
            make(QString("matte%1").arg(r), names[r], QKeySequence(QString("Alt+%1").arg(r)),
                 [this, r] { session_->setMatte(r); });
        a->setCheckable(true);
        a->setChecked(r == 0);
        mattes->addAction(a);
        matteActions << a;
    }
    view->addAction(fit);
    view->addAction(actual);
    view->addSeparator();
    view->addActions({after, before, split, flip});
    view->addSeparator();
    view->addActions(matteActions);
    bar->addAction(fit);
    bar->addAction(actual);
    bar->addSeparator();
    bar->addActions({after, before, split});
    bar->addSeparator();
    bar->addActions(matteActions);

    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction(make("about", "&About colbalance-editor", {}, [this] {
        QString text = QString::fromStdString(fnVersionLine("colbalance-editor")) +
                       "\n\nColour-balances images and sequences through the K_ColBalance "
                       "effect module.\nLicensed under the Apache License, Version 2.0.";
        if (const std::string manual = manualPath(); !manual.empty())
            text += "\n\nManual: " + QString::fromStdString(manual);
        QMessageBox::about(this, "About colbalance-editor", text);
    }));
}

void EditorWindow::onInputChanged() {
    const FrameRange r = session_->frames();
    timeBar_->setRange(r.first, r.last);
    timeBar_->setFrame(session_->frame());
    timeBar_->setVisible(session_->isSequence());
    if (panel_) panel_->setTime(session_->time());
    updateTitle();
}

void EditorWindow::onRendered(const RenderResult& r) {
    viewer_->showResult(r);
    if (pages_ && r.before) pages_->setSource(r.before);
    if (r.ok) {
        timingLabel_->setText(QString("rendered in %1 ms").arg(r.milliseconds, 0, 'f', 1));
    } else {
        // A frame that cannot be read or rendered: said, and the session
        // goes on (other frames, the parameters, saving).
        showMessage(q(r.error));
    }
}

void EditorWindow::say(const QString& message) {
    // Past a capture of standard error that a frame being read on the
    // render thread may hold.
    StderrCapture::toTerminal(("colbalance-editor: " + message + "\n").toStdString());
    showMessage(message);
}

void EditorWindow::showMessage(const QString& message) {
    lastMessage_ = message;
    statusBar()->showMessage(message, 15000);
}

void EditorWindow::updateTitle() {
    QString name =
        session_->hasInput() ? QFileInfo(q(session_->input())).fileName() : QString("no image");
    if (!paramsPath_.isEmpty()) name += " - " + QFileInfo(paramsPath_).fileName();
    setWindowTitle(name + "[*] - colbalance-editor");
    setWindowModified(panel_ && session_->document().modified());
}

bool EditorWindow::openInput(const std::string& in, std::optional<FrameRange> frames,
                             std::string& error) {
    if (!session_->setInput(in, frames, error)) return false;
    if (recovery_) offerRecovery();
    return true;
}

void EditorWindow::keepRecovery(const std::string& folder) {
    if (!panel_) return;  // no module, no parameters
    recovery_ = std::make_unique<RecoveryKeeper>(session_->document(), folder);
    recovery_->setParamsFile(s(paramsPath_));
    connect(recovery_.get(), &RecoveryKeeper::failed, this,
            [this](const QString& message) { say(message); });
    if (session_->hasInput()) offerRecovery();
}

void EditorWindow::offerRecovery() {
    RecoveryState left;
    std::string message;
    switch (recovery_->follow(session_->input(), left, message)) {
    case RecoveryKeeper::Left::Nothing: break;
    case RecoveryKeeper::Left::Elsewhere:
    case RecoveryKeeper::Left::Unreadable:
        // Said once: an unusable file is set aside, and the next start
        // finds none.
        say(q(message));
        break;
    case RecoveryKeeper::Left::Work: {
        QMessageBox box(QMessageBox::Question, "Restore unsaved parameters",
                        "colbalance-editor ended without closing while the parameters of " +
                            QFileInfo(q(session_->input())).fileName() +
                            " were not saved. Restore them, with their undo steps?",
                        QMessageBox::NoButton, this);
        QPushButton* restore = box.addButton("Restore", QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton("Discard", QMessageBox::DestructiveRole);
        restore->setObjectName("restore");
        discard->setObjectName("discard");
        box.setDefaultButton(restore);
        box.exec();
        std::string error;
        if (box.clickedButton() != restore) {
            recovery_->drop();
        } else if (session_->document().restore(left.settings, left.grading, left.history, error)) {
            setParamsPath(q(left.paramsFile));
            showMessage("Restored the unsaved parameters");
        } else {
            say(q(recovery_->setAside("the effect refuses them: " + error)));
        }
        break;
    }
    }
    recovery_->keep();
}

void EditorWindow::setParamsPath(const QString& path) {
    paramsPath_ = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    if (recovery_) recovery_->setParamsFile(s(paramsPath_));
    updateTitle();
}

bool EditorWindow::loadParams(const std::string& path, std::string& error) {
    ParamValues values(session_->module().params());
    if (!values.addJsonFile(path, error)) return false;
    GradingSpace space;
    std::string why;
    if (!readGradingSpaceFile(path, space, why))
        showMessage(q("The look's working space is not used: " + why));
    ParamDocument& doc = session_->document();
    if (!doc.load(values, space, "Open " + QFileInfo(q(path)).fileName(), error)) return false;
    doc.undoStack()->setClean();
    setParamsPath(q(path));
    return true;
}

bool EditorWindow::saveParams(const std::string& path, std::string& error) {
    if (!session_->document().save(path, error)) return false;
    setParamsPath(q(path));
    showMessage("Saved " + paramsPath_);
    return true;
}

bool EditorWindow::saveTo(const QString& path) {
    std::string error;
    if (saveParams(s(path), error)) return true;
    QMessageBox::warning(this, "Save Parameters", q(error));
    return false;
}

bool EditorWindow::save() {
    if (paramsPath_.isEmpty()) return saveAs();
    return saveTo(paramsPath_);
}

bool EditorWindow::saveAs() {
    const QString path = QFileDialog::getSaveFileName(
        this, "Save Parameters", paramsPath_.isEmpty() ? "look.json" : paramsPath_,
        "Parameters (*.json);;All files (*)");
    return !path.isEmpty() && saveTo(path);
}

void EditorWindow::openDialog() {
    const QString path =
        QFileDialog::getOpenFileName(this, "Open Image or Sequence", QString(), kImageFilter);
    if (path.isEmpty()) return;
    std::string in = s(path), error;
    std::optional<FrameRange> frames;
    // A numbered file opens with its numbered neighbours, as a sequence.
    if (const auto found = sequenceAround(in)) {
        in = found->pattern;
        frames = found->frames;
    }
    if (!openInput(in, frames, error)) QMessageBox::warning(this, "Open", q(error));
}

void EditorWindow::openParamsDialog() {
    const QString path = QFileDialog::getOpenFileName(this, "Open Parameters", QString(),
                                                      "Parameters (*.json);;All files (*)");
    if (path.isEmpty()) return;
    if (!settleChanges()) return;
    std::string error;
    if (!loadParams(s(path), error)) QMessageBox::warning(this, "Open Parameters", q(error));
}

void EditorWindow::loadColourConfig() {
    const QString chosen =
        QSettings(kSettingsFolder, kSettingsFolder).value(kColourConfigKey).toString();
    std::string why;
    if (!chosen.isEmpty() && session_->loadColourConfig(s(chosen), why)) {
        colourBar_->refresh();
        return;
    }
    // The choice stays: its file may be back by the next start.
    const std::string unusable = why;
    const bool loaded = session_->loadColourConfig("", why);
    colourBar_->refresh();
    const std::string shown = loaded
                                  ? "this one is used: " + session_->colourSpaces().file()
                                  : "no colour config, float images are shown as they are: " + why;
    if (!unusable.empty())
        say(q("The colour config chosen before is not used (" + unusable + "); " + shown));
    else if (!loaded)
        showMessage(q("No colour config, float images are shown as they are: " + why));
}

bool EditorWindow::setColourConfig(const std::string& path, std::string& error) {
    if (!session_->loadColourConfig(path, error)) return false;
    QSettings settings(kSettingsFolder, kSettingsFolder);
    if (path.empty())
        settings.remove(kColourConfigKey);
    else
        settings.setValue(kColourConfigKey, QFileInfo(q(path)).absoluteFilePath());
    colourBar_->refresh();
    showMessage(q("Colour config " + session_->colourSpaces().file()));
    return true;
}

void EditorWindow::colourConfigDialog() {
    const QString current = q(session_->colourSpaces().file());
    const QString path =
        QFileDialog::getOpenFileName(this, "Colour Config", QFileInfo(current).absolutePath(),
                                     "Colour configs (*.ocio);;All files (*)");
    if (path.isEmpty()) return;
    std::string error;
    if (!setColourConfig(s(path), error)) {
        showMessage(q("The colour config is not changed: " + error));
        const ColourSpaces& spaces = session_->colourSpaces();
        QMessageBox::warning(this, "Colour Config",
                             q(error + "\n\n" +
                               (spaces.loaded() ? "The colour config in use stays " + spaces.file()
                                                : std::string("No colour config is in use")) +
                               "."));
    }
}

bool EditorWindow::startExport(const ExportPlan& plan, std::string& error) {
    if (export_) {
        error = "a render to files is running";
        return false;
    }
    if (!SequenceExport::check(plan, error)) return false;
    ComPtr<IDSImageEffect> clone = session_->module().cloneEffect(error);
    if (!clone) return false;
    export_ = new SequenceExport(std::move(clone), plan, this);
    const int total = int(plan.frames.last - plan.frames.first + 1);
    progress_->setRange(0, total);
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    connect(export_, &SequenceExport::progress, this, [this](int done, int, QString path) {
        progress_->setValue(done);
        showMessage("Wrote " + path);
    });
    connect(export_, &SequenceExport::finished, this,
            [this](bool ok, bool cancelled, int written, QString message) {
                progress_->hide();
                cancel_->hide();
                if (ok)
                    showMessage(QString("Rendered %1 frame(s)").arg(written));
                else if (cancelled)
                    showMessage(QString("Render cancelled after %1 frame(s)").arg(written));
                else
                    showMessage("Render stopped: " + message);
                export_->deleteLater();
                export_ = nullptr;
            });
    export_->start();
    return true;
}

void EditorWindow::exportDialog() {
    if (!session_->hasInput()) return showMessage("Open an image first");
    const std::filesystem::path in(session_->input());
    std::string stem = in.stem().string();
    // "shot.%04d" renders to "shot-graded.%04d".
    const auto dot = stem.find_first_of(".%#");
    const std::string base = stem.substr(0, dot),
                      rest = dot == std::string::npos ? "" : stem.substr(dot);
    const std::string suggestion =
        (in.parent_path() / (base + "-graded" + rest + in.extension().string())).string();
    const QString path =
        QFileDialog::getSaveFileName(this, "Render to Files", q(suggestion), kImageFilter);
    if (path.isEmpty()) return;
    ExportPlan plan;
    plan.input = session_->input();
    plan.output = s(path);
    plan.frames = session_->frames();
    plan.sequence = session_->isSequence();
    plan.into = session_->intoWorking();
    plan.back = session_->backFromWorking();
    std::string error;
    if (!startExport(plan, error)) QMessageBox::warning(this, "Render to Files", q(error));
}

bool EditorWindow::settleChanges() {
    if (!panel_ || !session_->document().modified()) return true;
    const auto answer = QMessageBox::question(
        this, "Unsaved parameters", "The parameters have changed since they were saved. Save them?",
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return save();
    return answer == QMessageBox::Discard;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (!settleChanges()) {
        event->ignore();
        return;
    }
    if (export_) export_->cancel();
    // Saved or discarded as the user said: nothing is left to recover.
    if (recovery_) recovery_->drop();
    event->accept();
}

SequenceExport* EditorWindow::runningExport() const { return export_.data(); }
