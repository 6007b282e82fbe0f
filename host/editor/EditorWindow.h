// EditorWindow: colbalance-editor's main window.  The viewer on the left,
// the parameter tabs on the right (the effect's property pages, the main
// colour page in front, and "All parameters" last), the frame bar below for
// sequences; File
// (open an image or a sequence, open and save parameters, render to
// files, the colour config), Edit (undo, redo) and View (zoom,
// before/after, split, mattes).
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/common/FramePattern.h"

class ColourBar;
class EditorPages;
class EditorSession;
class EditorWindowSystem;
class PageView;
class ParamPanel;
class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class RecoveryKeeper;
class SequenceExport;
class TimeBar;
class ViewerWidget;
struct ExportPlan;
struct RenderResult;

class EditorWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(EditorWindowSystem& system, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Loads the module (the effect and its parameter list); false with the
    // reason, and the window is of no use.
    bool openModule(const std::string& modulePath, std::string& error);
    // An image or a sequence (see EditorSession::setInput).  With recovery
    // kept, offers the work an editor that ended without closing left for
    // it (Restore or Discard).
    bool openInput(const std::string& in, std::optional<FrameRange> frames, std::string& error);
    // Keeps the unsaved parameters of each input in a recovery file in
    // `folder` (RecoveryKeeper.h) from now on; colbalance-editor does,
    // tools and tests that show the window need not.
    void keepRecovery(const std::string& folder);
    RecoveryKeeper* recovery() const { return recovery_.get(); }
    // Replaces every parameter with a params file's (one undo step); the
    // file becomes the one Save writes, and the parameters count as saved.
    bool loadParams(const std::string& path, std::string& error);
    // Writes the params file colbalance --params reads, atomically.
    bool saveParams(const std::string& path, std::string& error);
    // The colour config the editor uses from now on, and at its next starts
    // (kept in the user's settings); empty: none of its own ($OCIO, else
    // the shipped one).  A file that does not load is refused with the
    // reason, and the config in use stays.
    bool setColourConfig(const std::string& path, std::string& error);
    // Renders every frame of the input to `plan.output` in the background.
    bool startExport(const ExportPlan& plan, std::string& error);
    SequenceExport* runningExport() const;

    EditorSession& session() { return *session_; }
    ViewerWidget* viewer() const { return viewer_; }
    ColourBar* colourBar() const { return colourBar_; }
    ParamPanel* panel() const { return panel_; }
    // The property pages (null when they could not open) and the view of
    // each, in tab order.
    EditorPages* pages() const { return pages_.get(); }
    PageView* pageView(size_t index) const;
    // Another tab beside the pages.
    int addPanelTab(QWidget* page, const QString& title);
    QTabWidget* panelTabs() const { return tabs_; }
    // Brings the tab of that title to the front; false when there is none.
    bool showTab(const QString& title);
    QAction* action(const QString& name) const;

    // A message in the status bar, and the last one shown.
    void showMessage(const QString& message);
    // The same, also on standard error: what must reach a user who looks
    // at the terminal only (a recovery file set aside).
    void say(const QString& message);
    const QString& lastMessage() const { return lastMessage_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    // The pages in tabs before "All parameters"; said in the status bar when
    // the module's pages cannot open.
    void openPages();
    void onTabChanged();
    void onRendered(const RenderResult& r);
    void onInputChanged();
    void updateTitle();
    // Asks what to do with unsaved parameters; false to keep the window.
    bool settleChanges();
    bool saveTo(const QString& path);
    void openDialog();
    void openParamsDialog();
    void colourConfigDialog();
    // The config the settings name, else $OCIO's or the shipped one.
    void loadColourConfig();
    bool save();
    bool saveAs();
    void exportDialog();
    // The file Save writes, as the title and the recovery file name it.
    void setParamsPath(const QString& path);
    // Asks whether to restore the work left for the input just opened.
    void offerRecovery();

    EditorWindowSystem& system_;
    std::unique_ptr<EditorSession> session_;
    std::unique_ptr<EditorPages> pages_;
    std::vector<PageView*> pageViews_;
    ViewerWidget* viewer_ = nullptr;
    ColourBar* colourBar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ParamPanel* panel_ = nullptr;
    TimeBar* timeBar_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QLabel* timingLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPointer<SequenceExport> export_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    QString paramsPath_;
    QString lastMessage_;
};
