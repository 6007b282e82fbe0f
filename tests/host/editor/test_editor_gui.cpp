// colbalance-editor's window on a real display (Xvfb in CI), driven with
// synthesised input through its Qt controls: a typed value and a scrub
// change the parameter and the viewer's pixels, each undo restores both, a
// saved params file renders with colbalance to the pixels the viewer shows
// at 1:1, the matte switch leaves the parameters alone, a sequence keys and
// interpolates as colbalance does, a corrupt frame is reported without
// ending the session, closing with unsaved changes asks, and a GL window of
// the window layer (what a property page's controls are) is mirrored with
// its pointer.  The property pages in their tabs: a drag on the colour
// circle with the pointer, typing and scrubbing in a page's number field,
// keys at the current frame, and the histogram of the tone-curves page.
// The colour bar: the working space saved with the look, an undo step of
// it, the viewer's exposure and gamma, which change only what is shown, and
// the colour config the user chooses, kept for the next start.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <GL/gl.h>
#include <OpenImageIO/imageio.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "effect/ColBalanceApi.h"
#include "host/editor/ColourBar.h"
#include "host/editor/EditorPages.h"
#include "host/editor/EditorSession.h"
#include "host/editor/EditorWindow.h"
#include "host/editor/EditorWindowSystem.h"
#include "host/editor/LayerWindowView.h"
#include "host/editor/NumberField.h"
#include "host/editor/PageView.h"
#include "host/editor/ParamPanel.h"
#include "host/editor/RecoveryFile.h"
#include "host/editor/SequenceExport.h"
#include "host/editor/ViewerWidget.h"
#include "platform/dshost/DsNumberControl.h"
#include "platform/dshost/DsWindowSurface.h"
#include "ui/controls/FnTColDisk.h"

namespace {

EditorWindowSystem* gSystem = nullptr;
const QString kChart = FN_SOURCE_DIR "/resources/samples/chart.png";
const char* const kShippedConfig = FN_SOURCE_DIR "/resources/ocio/config.ocio";

class EditorGui : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<EditorWindow>(*gSystem);
        std::string error;
        ASSERT_TRUE(window->openModule(FN_MODULE_PATH, error)) << error;
        window->resize(1500, 900);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // Its shortcuts work while it is the active window.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(window->showTab("All parameters"));
    }
    void TearDown() override {
        // Nothing asks at the end of a test.
        if (window) window->session().document().undoStack()->setClean();
        window.reset();
    }

    size_t index(const char* name) {
        const auto& params = window->session().module().params();
        for (size_t i = 0; i < params.size(); ++i)
            if (params[i].name == name) return i;
        ADD_FAILURE() << "no parameter " << name;
        return 0;
    }
    NumberField* field(const char* name) {
        return qobject_cast<NumberField*>(window->panel()->editor(index(name)));
    }
    double value(const char* name) {
        return window->session().document().valueAt(index(name), window->session().time());
    }
    // Until the newest render request is painted on screen.
    void settle() {
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(1);
        ViewerWidget* v = window->viewer();
        while (clock.elapsed() < 30000 && (v->paintedSerial() != window->session().lastRequest() ||
                                           v->shownSerial() != window->session().lastRequest()))
            QTest::qWait(5);
        ASSERT_EQ(v->paintedSerial(), window->session().lastRequest());
    }
    // The viewer's pixels as on screen.
    QImage shown() {
        return window->viewer()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void typeInto(const char* name, const QString& text) {
        NumberField* f = field(name);
        QTest::mouseClick(f, Qt::LeftButton);
        QTest::keyClicks(f, text);
        QTest::keyClick(f, Qt::Key_Return);
    }
    void scrub(const char* name, int dx) {
        NumberField* f = field(name);
        const int y = f->height() / 2;
        QTest::mousePress(f, Qt::LeftButton, {}, QPoint(10, y));
        for (int step = 1; step <= 4; ++step) {
            QTest::mouseMove(f, QPoint(10 + dx * step / 4, y));
            QTest::qWait(10);
        }
        QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(10 + dx, y));
    }
    // colbalance's output for `in` with the params file, as RGB32.
    QImage colbalance(const QString& in, const QString& params, const QStringList& extra = {}) {
        const QString out = dir.filePath("cli-%1.png").arg(++runs);
        QProcess p;
        p.start(COLBALANCE_PATH, QStringList{in, "-o", out, "--params", params} + extra);
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    }
    // Every frame pixel the viewer shows, against `frame`; the viewer at 1:1.
    void expectViewerShows(const QImage& frame) {
        const QImage view = shown();
        DsViewer* v = window->viewer()->viewer();
        int compared = 0, differ = 0;
        // The viewer draws through the viewport (0, 0, w - 1, h - 1): its
        // top row and right column stay background.
        for (int y = 1; y < view.height(); ++y)
            for (int x = 0; x + 1 < view.width(); ++x) {
                const DsViewPoint p = v->toViewer(x, y);
                const int fx = int(std::floor(p.x)), fy = frame.height() - 1 - int(std::floor(p.y));
                if (fx < 0 || fy < 0 || fx >= frame.width() || fy >= frame.height()) continue;
                ++compared;
                if (view.pixel(x, y) != frame.pixel(fx, fy) && differ++ < 3)
                    ADD_FAILURE() << "view (" << x << ", " << y << ") frame (" << fx << ", " << fy
                                  << "): " << std::hex << view.pixel(x, y) << " against "
                                  << frame.pixel(fx, fy);
            }
        EXPECT_GT(compared, 100000);
        EXPECT_EQ(differ, 0);
    }

    // A scene-linear float frame, values up to 8.5.
    QString writeHdr() {
        const QString hdr = dir.filePath("hdr.exr");
        std::vector<float> px;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 256; ++x) {
                const float v = 0.002f * std::exp2(float(x) / 20.0f);
                px.insert(px.end(), {v, v * (0.5f + float(y) / 64), v * 0.8f, 1.0f});
            }
        auto out = OIIO::ImageOutput::create(hdr.toStdString());
        EXPECT_TRUE(
            out &&
            out->open(hdr.toStdString(), OIIO::ImageSpec(256, 64, 4, OIIO::TypeDesc::FLOAT)) &&
            out->write_image(OIIO::TypeDesc::FLOAT, px.data()) && out->close());
        return hdr;
    }

    // A page's tab in front, its mirror in step and its GL controls drawn.
    PageView* showPage(size_t page) {
        EditorPages* pages = window->pages();
        EXPECT_TRUE(pages);
        if (!pages) return nullptr;
        EXPECT_TRUE(window->showTab(window->panelTabs()->tabText(int(page))));
        PageView* view = window->pageView(page);
        QElapsedTimer clock;
        clock.start();
        auto drawn = [view] {
            for (LayerWindowView* gl : view->glViews())
                if (gl->isVisible() && gl->image().isNull()) return false;
            return true;
        };
        while (clock.elapsed() < 10000 && !drawn()) QTest::qWait(10);
        EXPECT_TRUE(drawn());
        return view;
    }
    // A page's number field, by its dialog item.
    NumberField* pageField(PageView* view, int id) {
        return qobject_cast<NumberField*>(view->widgetFor(id));
    }

    QTemporaryDir dir;
    std::unique_ptr<EditorWindow> window;
    int runs = 0;
};

// Dialog items of the main colour page.
constexpr int kMasterSaturationField = 1001, kMasterLuminanceField = 1010;

TEST_F(EditorGui, EditsThroughTheControlsRenderUndoAndSaveAsColbalanceRenders) {
    std::string error;
    ASSERT_TRUE(window->openInput(kChart.toStdString(), std::nullopt, error)) << error;
    settle();
    window->action("actual")->trigger();
    settle();
    const QImage original = shown();

    // The effect's tool is on the viewer as a page places it, and the pen
    // reaches it: a press starts its interaction, the release ends it.
    DsViewer* v = window->viewer()->viewer();
    ASSERT_EQ(v->layerCount(), 1u);
    const QPoint centre = window->viewer()->rect().center();
    QTest::mousePress(window->viewer(), Qt::LeftButton, {}, centre);
    EXPECT_TRUE(v->interactionOwner());
    QTest::mouseRelease(window->viewer(), Qt::LeftButton, {}, centre);
    EXPECT_FALSE(v->interactionOwner());

    typeInto("Master Saturation", "40");
    settle();
    EXPECT_EQ(value("Master Saturation"), 40);
    const QImage saturated = shown();
    scrub("Master Hue", 120);
    settle();
    EXPECT_EQ(value("Master Hue"), 120) << "a pixel a degree";
    const QImage turned = shown();
    EXPECT_NE(turned, saturated);
    QUndoStack* undo = window->session().document().undoStack();
    EXPECT_EQ(undo->count(), 2) << "one step for the typed value, one for the whole drag";
    EXPECT_TRUE(window->isWindowModified());

    // What the viewer shows is what colbalance renders from the saved file.
    const QString params = dir.filePath("look.json");
    ASSERT_TRUE(window->saveParams(params.toStdString(), error)) << error;
    EXPECT_FALSE(window->isWindowModified());
    expectViewerShows(colbalance(kChart, params));

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(value("Master Hue"), 0);
    EXPECT_EQ(value("Master Saturation"), 40);
    EXPECT_EQ(shown(), saturated);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(value("Master Saturation"), 0);
    EXPECT_EQ(shown(), original);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    EXPECT_EQ(value("Master Hue"), 120);
    EXPECT_EQ(shown(), turned);

    // The quick matte shows what Highlights selects and changes no
    // parameter: the look saved stays the picture.
    window->action("matte3")->trigger();
    settle();
    const QImage matte = shown();
    auto* renderTone = qobject_cast<QComboBox*>(window->panel()->editor(index("Render Tone")));
    EXPECT_EQ(renderTone->currentIndex(), 0);
    EXPECT_EQ(value("Render Tone"), 0);
    expectViewerShows(colbalance(kChart, params, {"--set", "Render Tone=Highlights"}));
    window->action("matte0")->trigger();
    settle();
    EXPECT_EQ(shown(), turned);
    EXPECT_NE(matte, turned);

    // Before is the source as read; the key flips back to after.
    QTest::keyClick(window.get(), Qt::Key_Backslash);
    QTest::qWait(50);
    EXPECT_EQ(window->viewer()->mode(), ViewerWidget::Mode::Before);
    expectViewerShows(QImage(kChart).convertToFormat(QImage::Format_RGB32));
    QTest::keyClick(window.get(), Qt::Key_Backslash);
    QTest::qWait(50);
    EXPECT_EQ(shown(), turned);
}

TEST_F(EditorGui, SequenceKeysInterpolateAsColbalanceAndACorruptFrameIsReported) {
    // Frames 1 and 2 are the chart, frame 3 is no image at all.  (A PNG cut
    // short would do as well, but OpenImageIO leaks a message string on
    // libpng's error path, which the address sanitizer's leak check sees.)
    ASSERT_TRUE(QFile::copy(kChart, dir.filePath("seq.0001.png")));
    ASSERT_TRUE(QFile::copy(kChart, dir.filePath("seq.0002.png")));
    QFile bad(dir.filePath("seq.0003.png"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\x89PNG but nothing after it\n");
    bad.close();

    std::string error;
    ASSERT_TRUE(window->openInput(dir.filePath("seq.%04d.png").toStdString(), std::nullopt, error))
        << error;
    EXPECT_EQ(window->session().frames().first, 1);
    EXPECT_EQ(window->session().frames().last, 3);
    settle();

    // Key Master Saturation at 0 on frame 1, and type 60 on frame 3.
    QToolButton* key = window->panel()->keyButton(index("Master Saturation"));
    ASSERT_TRUE(key);
    QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_TRUE(window->session().document().hasKeyAt(index("Master Saturation"), 1));
    auto* slider = window->findChild<QSlider*>("frameSlider");
    ASSERT_TRUE(slider && slider->isVisible());
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(window->session().frame(), 3);
    typeInto("Master Saturation", "60");
    settle();
    // The frame that cannot be read says so; the session goes on.
    EXPECT_TRUE(window->lastMessage().contains("seq.0003.png"))
        << window->lastMessage().toStdString();
    EXPECT_FALSE(window->viewer()->message().isEmpty());

    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(window->session().frame(), 2);
    settle();
    EXPECT_TRUE(window->viewer()->message().isEmpty());
    EXPECT_EQ(value("Master Saturation"), 30) << "halfway between the keys";
    EXPECT_EQ(field("Master Saturation")->text(), "30");
    typeInto("Master Hue", "200");
    settle();

    const QString params = dir.filePath("seq.json");
    ASSERT_TRUE(window->saveParams(params.toStdString(), error)) << error;
    std::ifstream in(params.toStdString());
    const nlohmann::json saved = nlohmann::json::parse(in, nullptr, false);
    EXPECT_EQ(saved["Master Saturation"], nlohmann::json::parse("[[1, 0], [3, 60]]"));
    EXPECT_EQ(saved["Master Hue"], 200);
    window->action("actual")->trigger();
    settle();
    const QImage frame2 = colbalance(dir.filePath("seq.0002.png"), params, {"--frame", "2"});
    expectViewerShows(frame2);

    // Frames 1 and 2 rendered to files in the background, as colbalance
    // renders them.
    ExportPlan plan;
    plan.input = dir.filePath("seq.%04d.png").toStdString();
    plan.output = dir.filePath("out.%04d.png").toStdString();
    plan.frames = {1, 2};
    plan.sequence = true;
    ASSERT_TRUE(window->startExport(plan, error)) << error;
    QElapsedTimer clock;
    clock.start();
    while (window->runningExport() && clock.elapsed() < 60000) QTest::qWait(10);
    EXPECT_FALSE(window->runningExport());
    EXPECT_EQ(QImage(dir.filePath("out.0002.png")).convertToFormat(QImage::Format_RGB32), frame2);
    EXPECT_TRUE(window->lastMessage().startsWith("Rendered 2"))
        << window->lastMessage().toStdString();
    // Including frame 3 stops there, with the frames before it whole.
    plan.output = dir.filePath("all.%04d.png").toStdString();
    plan.frames = {1, 3};
    ASSERT_TRUE(window->startExport(plan, error)) << error;
    while (window->runningExport() && clock.elapsed() < 60000) QTest::qWait(10);
    EXPECT_TRUE(window->lastMessage().contains("seq.0003.png"))
        << window->lastMessage().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("all.0002.png")));
    EXPECT_FALSE(QFile::exists(dir.filePath("all.0003.png")));
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        EXPECT_FALSE(name.startsWith(".")) << "a temporary file was left: " << name.toStdString();
}

TEST_F(EditorGui, ClosingWithUnsavedChangesAsks) {
    std::string error;
    ASSERT_TRUE(window->openInput(kChart.toStdString(), std::nullopt, error)) << error;
    settle();
    typeInto("Highlights", "70");
    EXPECT_TRUE(window->isWindowModified());

    // Answers the question with a click on `answer` when it comes.
    int asked = 0;
    auto answerWith = [&](QMessageBox::StandardButton answer) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, poll, [&asked, poll, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            ++asked;
            poll->stop();
            poll->deleteLater();
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        });
        poll->start(20);
    };
    answerWith(QMessageBox::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(value("Highlights"), 70);

    answerWith(QMessageBox::Discard);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(window->isVisible());

    // Nothing to ask about once saved.
    window->show();
    ASSERT_TRUE(window->saveParams(dir.filePath("saved.json").toStdString(), error)) << error;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(asked, 2);
}

// A GL control of the window layer, as a property page's colour circle is
// one: it paints a colour and notes where the left button went down.
struct GLControl {
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        GLControl* self = gControl;
        if (m == WM_PAINT && self) {
            wglMakeCurrent(self->dc, self->gl);
            glClearColor(0.2f, 0.4f, 0.8f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            SwapBuffers(self->dc);
            ValidateRect(w, nullptr);
            return 0;
        }
        if (m == WM_LBUTTONDOWN && self) self->down = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        return DefWindowProcW(w, m, wp, lp);
    }
    static inline GLControl* gControl = nullptr;
    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC gl = nullptr;
    POINT down{-1, -1};
};

TEST_F(EditorGui, ALayerWindowShowsItsFramesAndTakesThePointer) {
    static int instance = 0;
    WNDCLASSA wc{};
    wc.lpfnWndProc = GLControl::Proc;
    wc.hInstance = &instance;
    wc.lpszClassName = "EditorTestGLControl";
    ASSERT_NE(RegisterClassA(&wc), 0);
    GLControl c;
    GLControl::gControl = &c;
    // Far from every other window, so the pointer finds this one.
    c.window = CreateWindowExA(0, "EditorTestGLControl", "control", WS_VISIBLE, 3000, 3000, 120, 80,
                               nullptr, nullptr, &instance, nullptr);
    ASSERT_TRUE(c.window);
    c.dc = GetDC(c.window);
    const PIXELFORMATDESCRIPTOR pfd = DsWindowSurface::pixelFormat();
    ASSERT_TRUE(SetPixelFormat(c.dc, ChoosePixelFormat(c.dc, &pfd), &pfd));
    c.gl = wglCreateContext(c.dc);
    ASSERT_TRUE(c.gl);

    LayerWindowView view(*gSystem);
    view.attach(c.window, LayerWindowView::Size::FromWindow);
    EXPECT_EQ(view.size(), QSize(120, 80)) << "the window's size is the widget's";
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    // An invalidation paints once the events at hand are done.
    InvalidateRect(c.window, nullptr, FALSE);
    QTest::qWait(20);
    ASSERT_FALSE(view.image().isNull());
    EXPECT_EQ(view.image().pixelColor(60, 40), QColor(51, 102, 204));
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(c.down.x, 30);
    EXPECT_EQ(c.down.y, 40);

    view.attach(nullptr, LayerWindowView::Size::FromWindow);
    wglDeleteContext(c.gl);
    ReleaseDC(c.window, c.dc);
    DestroyWindow(c.window);
    GLControl::gControl = nullptr;
    UnregisterClassA("EditorTestGLControl", &instance);
}

TEST_F(EditorGui, ACircleDragOnTheMainPageIsOneUndoStepOfWhatIsUnderThePointer) {
    std::string error;
    ASSERT_TRUE(window->openInput(kChart.toStdString(), std::nullopt, error)) << error;
    settle();
    const QImage original = shown();
    PageView* page = showPage(0);
    ASSERT_TRUE(page);
    ASSERT_EQ(page->glViews().size(), 1u);
    LayerWindowView* circle = page->glViews()[0];
    ASSERT_TRUE(circle->isVisible());

    // The circle as the page lays it out: a square on the shorter side of
    // its window, centred, with widget coordinates from the bottom.
    const float w = float(circle->width()), h = float(circle->height());
    const float side = std::min(w, h);
    FnTColDisk disk;
    disk.SetSize(side, side);
    const QPoint centre(int(w / 2), int(h / 2));
    const QPoint target = centre + QPoint(int(side * 0.2f), -int(side * 0.15f));
    const FnHueSaturation meant = disk.PointToHueSaturation(
        {float(target.x()) - (w - side) / 2, (h - float(target.y())) - (h - side) / 2});
    ASSERT_GT(meant.saturation, 0.2f);

    QUndoStack* undo = window->session().document().undoStack();
    QTest::mousePress(circle, Qt::LeftButton, {}, centre);
    for (int step = 1; step <= 4; ++step) {
        QTest::mouseMove(circle, centre + (target - centre) * step / 4);
        QTest::qWait(5);
    }
    EXPECT_EQ(value("Master Saturation"), 0) << "written when the drag ends";
    QTest::mouseRelease(circle, Qt::LeftButton, {}, target);
    // The pointer's pixel is one pixel wide: a hue within the angle it spans.
    const double radius = disk.Radius();
    const double pixelDegrees = 360.0 / (2 * M_PI * radius * meant.saturation);
    EXPECT_NEAR(value("Master Hue"), meant.hue * 360.0, 2 * pixelDegrees);
    EXPECT_NEAR(value("Master Saturation"), meant.saturation * 25.0, 25.0 / radius);
    EXPECT_EQ(undo->count(), 1) << "hue and saturation in one step";
    EXPECT_EQ(undo->undoText(), "Change Master Hue and Master Saturation");
    settle();
    // The page's own fields follow.
    EXPECT_EQ(pageField(page, kMasterSaturationField)->value(), value("Master Saturation"));
    const QImage balanced = shown();
    EXPECT_NE(balanced, original);

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(value("Master Hue"), 0);
    EXPECT_EQ(value("Master Saturation"), 0);
    EXPECT_EQ(shown(), original);
    EXPECT_EQ(pageField(page, kMasterSaturationField)->value(), 0);
}

TEST_F(EditorGui, APagesNumberFieldTypesAndScrubsThroughThePage) {
    std::string error;
    ASSERT_TRUE(window->openInput(kChart.toStdString(), std::nullopt, error)) << error;
    settle();
    PageView* page = showPage(0);
    ASSERT_TRUE(page);
    NumberField* luminance = pageField(page, kMasterLuminanceField);
    ASSERT_TRUE(luminance);
    EXPECT_TRUE(luminance->isVisible());

    // Typed: kept to the page's range by the page's own control.
    QTest::mouseClick(luminance, Qt::LeftButton);
    QTest::keyClicks(luminance, "-250");
    QTest::keyClick(luminance, Qt::Key_Return);
    EXPECT_EQ(value("Master Luminance"), -100);
    QUndoStack* undo = window->session().document().undoStack();
    EXPECT_EQ(undo->count(), 1);
    EXPECT_EQ(undo->undoText(), "Change Master Luminance");
    // The All parameters tab follows.
    EXPECT_EQ(field("Master Luminance")->value(), -100);

    // Scrubbed: the page's drag over its whole range (the page widens
    // Master Saturation to 0..100), one step for the drag.
    NumberField* saturation = pageField(page, kMasterSaturationField);
    const int y = saturation->height() / 2;
    QTest::mousePress(saturation, Qt::LeftButton, {}, QPoint(10, y));
    for (int step = 1; step <= 4; ++step) {
        QTest::mouseMove(saturation, QPoint(10 + 40 * step / 4, y));
        QTest::qWait(5);
    }
    QTest::mouseRelease(saturation, Qt::LeftButton, {}, QPoint(50, y));
    EXPECT_DOUBLE_EQ(value("Master Saturation"), 40 * 100.0 / kDsScrubPixelsPerRange);
    EXPECT_EQ(undo->count(), 2);
    undo->undo();
    EXPECT_EQ(value("Master Saturation"), 0);
}

TEST_F(EditorGui, PageEditsKeyAnimatedParametersAtTheCurrentFrame) {
    ASSERT_TRUE(QFile::copy(kChart, dir.filePath("keys.0001.png")));
    ASSERT_TRUE(QFile::copy(kChart, dir.filePath("keys.0002.png")));
    std::string error;
    ASSERT_TRUE(window->openInput(dir.filePath("keys.%04d.png").toStdString(), std::nullopt, error))
        << error;
    ParamDocument& doc = window->session().document();
    const size_t lum = index("Master Luminance");
    ASSERT_TRUE(doc.setKey(lum, 1, true));
    window->session().setFrame(2);
    PageView* page = showPage(0);
    ASSERT_TRUE(page);
    NumberField* f = pageField(page, kMasterLuminanceField);
    QTest::mouseClick(f, Qt::LeftButton);
    QTest::keyClicks(f, "30");
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_TRUE(doc.hasKeyAt(lum, 2)) << "a key at the frame shown";
    EXPECT_EQ(doc.valueAt(lum, 2), 30);
    EXPECT_EQ(doc.valueAt(lum, 1), 0) << "the other key stays";
    // Unkeyed parameters stay constant.
    QTest::mouseClick(pageField(page, kMasterSaturationField), Qt::LeftButton);
    QTest::keyClicks(pageField(page, kMasterSaturationField), "20");
    QTest::keyClick(pageField(page, kMasterSaturationField), Qt::Key_Return);
    EXPECT_FALSE(doc.hasKeys(index("Master Saturation")));
    EXPECT_EQ(doc.valueAt(index("Master Saturation"), 1), 20);
}

TEST_F(EditorGui, TheCurvesPageShowsTheHistogramOfTheFrame) {
    // Without a frame there is nothing to count.
    PageView* page = showPage(1);
    ASSERT_TRUE(page);
    ASSERT_EQ(page->glViews().size(), 1u);
    LayerWindowView* curves = page->glViews()[0];
    QTest::qWait(100);
    auto dark = [curves] {
        // Histogram bars are the darkest thing the curves draw.
        const QImage img = curves->image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += qGray(img.pixel(x, y)) < 40;
        return n;
    };
    const int empty = dark();
    EXPECT_EQ(window->pages()->host().framesDelivered(), 0u);

    std::string error;
    ASSERT_TRUE(window->openInput(kChart.toStdString(), std::nullopt, error)) << error;
    settle();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && dark() < empty + 500) QTest::qWait(20);
    EXPECT_GE(window->pages()->host().framesDelivered(), 1u);
    EXPECT_GT(dark(), empty + 500) << "the chart's histogram under the curves";
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The editor's settings in a folder of the run's own, and no config
    // from the environment.
    QTemporaryDir config;
    if (!config.isValid()) return 1;
    ::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    ::unsetenv("OCIO");
    QApplication app(argc, argv);
    EditorWindowSystem system;
    std::string error;
    if (!system.open(error)) {
        std::fprintf(stderr, "no OpenGL: %s\n", error.c_str());
        return 1;
    }
    gSystem = &system;
    return RUN_ALL_TESTS();
}

// A scene-linear float frame (values up to 8) graded in the log working
// space chosen beside the viewer: the look saved with it renders with
// colbalance to the frame the editor rendered; the viewer's exposure and
// gamma change the picture on screen and never the rendered frame.
TEST_F(EditorGui, WorkingSpaceIsSavedWithTheLookAndExposureChangesOnlyTheShownFrame) {
    const QString hdr = writeHdr();
    std::string error;
    ASSERT_TRUE(window->setColourConfig(kShippedConfig, error)) << error;
    std::shared_ptr<const RenderResult> last;
    QObject::connect(&window->session(), &EditorSession::rendered, window.get(),
                     [&](std::shared_ptr<const RenderResult> r) { last = std::move(r); });
    ASSERT_TRUE(window->openInput(hdr.toStdString(), std::nullopt, error)) << error;
    settle();
    ASSERT_TRUE(last && last->output);
    const FrameImage linear = *last->output;

    auto* working = window->colourBar()->findChild<QComboBox*>("workingSpace");
    auto* exposure = window->colourBar()->findChild<QDoubleSpinBox*>("exposure");
    auto* gamma = window->colourBar()->findChild<QDoubleSpinBox*>("gamma");
    ASSERT_TRUE(working && exposure && gamma);
    EXPECT_EQ(working->currentText(), "None");
    working->setCurrentText("ACEScct");
    typeInto("Midtones Saturation", "40");
    typeInto("Midtones Hue", "120");
    settle();
    const FrameImage graded = *last->output;
    EXPECT_NE(graded.bytes, linear.bytes);
    const QImage before = shown();

    // Typed into the exposure: two stops brighter on screen only.
    exposure->setFocus();
    exposure->selectAll();
    QTest::keyClicks(exposure, "2");
    QTest::keyClick(exposure, Qt::Key_Return);
    settle();
    EXPECT_EQ(last->output->bytes, graded.bytes);
    const QImage brighter = shown();
    ASSERT_EQ(brighter.size(), before.size());
    long sumBefore = 0, sumBrighter = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            sumBefore += qGray(before.pixel(x, y));
            sumBrighter += qGray(brighter.pixel(x, y));
        }
    EXPECT_GT(sumBrighter, sumBefore);
    gamma->setValue(2.2);
    settle();
    EXPECT_EQ(last->output->bytes, graded.bytes);
    EXPECT_NE(shown(), brighter);

    // Saved with the look under the host's key; colbalance renders it alike.
    const QString look = dir.filePath("look.json");
    ASSERT_TRUE(window->saveParams(look.toStdString(), error)) << error;
    std::ifstream in(look.toStdString());
    const auto doc = nlohmann::json::parse(in);
    EXPECT_EQ(doc["colbalance"]["workingSpace"], "ACEScct");
    const QString out = dir.filePath("cli.exr");
    QProcess p;
    p.start(COLBALANCE_PATH, QStringList{hdr, "-o", out, "--params", look});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    auto file = OIIO::ImageInput::open(out.toStdString());
    ASSERT_TRUE(file);
    std::vector<float> cli(graded.f32().size());
    ASSERT_TRUE(file->read_image(0, 0, 0, 4, OIIO::TypeDesc::FLOAT, cli.data()));
    EXPECT_TRUE(std::equal(cli.begin(), cli.end(), graded.f32().begin()));

    // The look read back chooses the working space again.
    working->setCurrentText("None");
    settle();
    ASSERT_TRUE(window->loadParams(look.toStdString(), error)) << error;
    settle();
    EXPECT_EQ(working->currentText(), "ACEScct");
    EXPECT_EQ(last->output->bytes, graded.bytes);
}

// Choosing the working space is an edit of the look: an undo step that
// marks it unsaved, undone and redone with the rendered frame, and one
// step with the parameters when a look is opened.
TEST_F(EditorGui, WorkingSpaceChangesAreUndoStepsOfTheLook) {
    std::string error;
    ASSERT_TRUE(window->setColourConfig(kShippedConfig, error)) << error;
    std::shared_ptr<const RenderResult> last;
    QObject::connect(&window->session(), &EditorSession::rendered, window.get(),
                     [&](std::shared_ptr<const RenderResult> r) { last = std::move(r); });
    ASSERT_TRUE(window->openInput(writeHdr().toStdString(), std::nullopt, error)) << error;
    typeInto("Midtones Saturation", "40");
    settle();
    ASSERT_TRUE(last && last->output);
    const FrameImage linear = *last->output;
    ParamDocument& doc = window->session().document();
    QUndoStack* undo = doc.undoStack();
    undo->setClean();
    EXPECT_FALSE(window->isWindowModified());

    auto* working = window->colourBar()->findChild<QComboBox*>("workingSpace");
    ASSERT_TRUE(working);
    working->setCurrentText("ACEScct");
    settle();
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(undo->count(), 2);
    EXPECT_EQ(window->action("undo")->text(), "&Undo Change Working Space");
    const FrameImage graded = *last->output;
    EXPECT_NE(graded.bytes, linear.bytes);

    window->action("undo")->trigger();
    settle();
    EXPECT_EQ(working->currentText(), "None");
    EXPECT_EQ(doc.gradingSpace(), GradingSpace{});
    EXPECT_EQ(last->output->bytes, linear.bytes);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(value("Midtones Saturation"), 40);

    window->action("redo")->trigger();
    settle();
    EXPECT_EQ(working->currentText(), "ACEScct");
    EXPECT_EQ(doc.gradingSpace().working, "ACEScct");
    EXPECT_EQ(last->output->bytes, graded.bytes);
    EXPECT_TRUE(window->isWindowModified());

    // Saved and opened again: the look's space comes back with it, and
    // undoing the open gives back the space before it.
    const QString look = dir.filePath("look.json");
    ASSERT_TRUE(window->saveParams(look.toStdString(), error)) << error;
    EXPECT_FALSE(window->isWindowModified());
    working->setCurrentText("None");
    settle();
    EXPECT_TRUE(window->isWindowModified());
    ASSERT_TRUE(window->loadParams(look.toStdString(), error)) << error;
    settle();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(working->currentText(), "ACEScct");
    EXPECT_EQ(last->output->bytes, graded.bytes);
    window->action("undo")->trigger();
    settle();
    EXPECT_EQ(working->currentText(), "None");
    EXPECT_TRUE(window->isWindowModified());
    window->action("redo")->trigger();
    settle();
    EXPECT_EQ(working->currentText(), "ACEScct");
    EXPECT_FALSE(window->isWindowModified());

    // A space the config cannot convert is refused: no step, nothing marked.
    const int steps = undo->count();
    EXPECT_FALSE(window->session().setGradingSpace({"ACEScct", "Nope"}, error));
    EXPECT_NE(error.find("Nope"), std::string::npos) << error;
    EXPECT_EQ(undo->count(), steps);
    EXPECT_EQ(doc.gradingSpace().working, "ACEScct");

    // Kept for recovery and restored in another window with its steps.
    working->setCurrentText("ACEScg");
    RecoveryState kept;
    kept.input = RecoveryFile::inputKey(dir.filePath("hdr.exr").toStdString());
    kept.settings = doc.settings();
    kept.grading = doc.gradingSpace();
    kept.history = doc.history();
    const RecoveryFile file(dir.filePath("state").toStdString(), kept.input);
    ASSERT_TRUE(file.write(doc.params(), kept, error)) << error;
    RecoveryState left;
    ASSERT_TRUE(file.read(doc.params(), left, error)) << error;
    undo->setClean();
    window = std::make_unique<EditorWindow>(*gSystem);
    ASSERT_TRUE(window->openModule(FN_MODULE_PATH, error)) << error;
    ASSERT_TRUE(window->setColourConfig(kShippedConfig, error)) << error;
    ParamDocument& again = window->session().document();
    ASSERT_TRUE(again.restore(left.settings, left.grading, left.history, error)) << error;
    working = window->colourBar()->findChild<QComboBox*>("workingSpace");
    EXPECT_EQ(working->currentText(), "ACEScg");
    EXPECT_TRUE(again.modified());
    window->action("undo")->trigger();
    EXPECT_EQ(working->currentText(), "ACEScct");
    EXPECT_EQ(again.gradingSpace().working, "ACEScct");
    EXPECT_FALSE(again.modified());
}

// The colour config is the user's choice (File > Colour Config...), named
// on the colour bar and kept for the next start; a file that is no config
// is refused with its reason and changes nothing.
TEST_F(EditorGui, TheColourConfigChosenIsShownAndKeptForTheNextStart) {
    auto* label = window->colourBar()->findChild<QLabel*>("colourConfig");
    ASSERT_TRUE(label);
    const QString other = dir.filePath("other.ocio"), bad = dir.filePath("bad.ocio");
    ASSERT_TRUE(QFile::copy(kShippedConfig, other));
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ocio_profile_version: 2\nroles: [this is no config\n");
    }
    // The action is in the File menu; its dialog hands the file to
    // setColourConfig.
    ASSERT_TRUE(window->action("colourConfig"));
    std::string error;
    ASSERT_TRUE(window->setColourConfig(other.toStdString(), error)) << error;
    EXPECT_EQ(label->text(), "other.ocio");
    EXPECT_EQ(window->session().colourSpaces().file(), other.toStdString());
    const QString settingsKey = "colour/config";
    QSettings settings("colbalance-editor", "colbalance-editor");
    EXPECT_EQ(settings.value(settingsKey).toString(), other);
    auto* working = window->colourBar()->findChild<QComboBox*>("workingSpace");
    ASSERT_TRUE(working);
    EXPECT_GE(working->findText("ACEScct"), 1);

    // Refused with the reason, and the config in use stays the chosen one.
    EXPECT_FALSE(window->setColourConfig(bad.toStdString(), error));
    EXPECT_NE(error.find("bad.ocio"), std::string::npos) << error;
    EXPECT_EQ(label->text(), "other.ocio");
    EXPECT_EQ(window->session().colourSpaces().file(), other.toStdString());
    settings.sync();
    EXPECT_EQ(settings.value(settingsKey).toString(), other);
    EXPECT_FALSE(window->setColourConfig(dir.filePath("missing.ocio").toStdString(), error));
    EXPECT_NE(error.find("missing.ocio"), std::string::npos) << error;

    // The next start uses it.
    auto restart = [&] {
        window->session().document().undoStack()->setClean();
        window.reset();
        window = std::make_unique<EditorWindow>(*gSystem);
        ASSERT_TRUE(window->openModule(FN_MODULE_PATH, error)) << error;
        label = window->colourBar()->findChild<QLabel*>("colourConfig");
    };
    restart();
    EXPECT_EQ(label->text(), "other.ocio");
    EXPECT_EQ(window->session().colourSpaces().file(), other.toStdString());

    // Gone by the next start: said, and the default one ($OCIO's) is used.
    ASSERT_TRUE(QFile::remove(other));
    ::setenv("OCIO", kShippedConfig, 1);
    restart();
    EXPECT_NE(window->lastMessage().indexOf("other.ocio"), -1)
        << window->lastMessage().toStdString();
    EXPECT_EQ(label->text(), "config.ocio");
    settings.sync();
    EXPECT_EQ(settings.value(settingsKey).toString(), other);

    // The default config again: the choice is forgotten.
    window->action("defaultColourConfig")->trigger();
    ::unsetenv("OCIO");
    EXPECT_EQ(label->text(), "config.ocio");
    settings.sync();
    EXPECT_FALSE(settings.contains(settingsKey));
}
