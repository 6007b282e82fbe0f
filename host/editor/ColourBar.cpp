#include "host/editor/ColourBar.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

#include "host/editor/EditorSession.h"

namespace {

constexpr const char* kNone = "None";

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ColourBar::ColourBar(EditorSession& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      config_(new QLabel),
      working_(new QComboBox),
      exposure_(new QDoubleSpinBox),
      gamma_(new QDoubleSpinBox),
      display_(new QComboBox),
      view_(new QComboBox) {
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(8, 4, 8, 4);
    config_->setObjectName("colourConfig");
    working_->setObjectName("workingSpace");
    working_->setToolTip("The colour space float images are graded in (None: their own values)");
    exposure_->setObjectName("exposure");
    exposure_->setRange(-16, 16);
    exposure_->setSingleStep(0.5);
    exposure_->setSuffix(" stops");
    exposure_->setToolTip("Viewer exposure for float images; the render does not change");
    gamma_->setObjectName("gamma");
    gamma_->setRange(0.1, 10);
    gamma_->setSingleStep(0.1);
    gamma_->setValue(1);
    gamma_->setToolTip("Viewer gamma for float images; the render does not change");
    display_->setObjectName("display");
    view_->setObjectName("view");
    // Narrow gaps: the bar shares the viewer's width with the view's name.
    h->addWidget(config_);
    h->addSpacing(8);
    h->addWidget(new QLabel("Working space"));
    h->addWidget(working_);
    h->addSpacing(8);
    h->addWidget(new QLabel("Exposure"));
    h->addWidget(exposure_);
    h->addWidget(new QLabel("Gamma"));
    h->addWidget(gamma_);
    h->addWidget(display_);
    h->addWidget(view_);
    h->addStretch(1);
    connect(working_, &QComboBox::currentIndexChanged, this, [this] { applyWorkingSpace(); });
    connect(exposure_, &QDoubleSpinBox::valueChanged, this, [this] { applyView(); });
    connect(gamma_, &QDoubleSpinBox::valueChanged, this, [this] { applyView(); });
    connect(display_, &QComboBox::currentIndexChanged, this, [this] {
        fillViews();
        applyView();
    });
    connect(view_, &QComboBox::currentIndexChanged, this, [this] { applyView(); });
    refresh();
}

void ColourBar::refresh() {
    const ColourSpaces& spaces = session_.colourSpaces();
    setEnabled(spaces.loaded());
    const QFileInfo file(q(spaces.file()));
    // The file's name only (a config's ends in .ocio); its path in the tip.
    config_->setText(spaces.loaded() ? file.fileName() : "No colour config");
    config_->setToolTip(spaces.loaded() ? "Colour config " + file.absoluteFilePath() +
                                              " (File > Colour Config... chooses another)"
                                        : QString());
    {
        const QSignalBlocker a(working_), b(display_);
        working_->clear();
        working_->addItem(kNone);
        for (const std::string& s : spaces.spaces()) working_->addItem(q(s));
        showWorkingSpace();
        display_->clear();
        for (const std::string& d : spaces.displays()) display_->addItem(q(d));
        display_->setCurrentText(q(spaces.defaultDisplay()));
    }
    fillViews();
}

void ColourBar::showWorkingSpace() {
    const ColourSpaces& spaces = session_.colourSpaces();
    const std::string current =
        spaces.loaded() ? session_.document().gradingSpace().working : std::string();
    const int at = current.empty() ? 0 : working_->findText(q(spaces.resolve(current)));
    const QSignalBlocker block(working_);
    working_->setCurrentIndex(std::max(at, 0));
}

void ColourBar::fillViews() {
    const QSignalBlocker block(view_);
    const std::string display = display_->currentText().toStdString();
    view_->clear();
    for (const std::string& v : session_.colourSpaces().views(display)) view_->addItem(q(v));
    view_->setCurrentText(q(session_.colourSpaces().defaultView(display)));
}

void ColourBar::applyWorkingSpace() {
    GradingSpace space = session_.document().gradingSpace();
    space.working = working_->currentIndex() <= 0 ? "" : working_->currentText().toStdString();
    std::string error;
    if (session_.setGradingSpace(space, error)) return;
    showWorkingSpace();
    emit failed(q(error));
}

void ColourBar::applyView() {
    ViewSettings v;
    v.display = display_->currentText().toStdString();
    v.view = view_->currentText().toStdString();
    v.exposure = exposure_->value();
    v.gamma = gamma_->value();
    std::string error;
    if (!session_.setView(v, error)) emit failed(q(error));
}
